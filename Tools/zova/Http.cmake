# zova http: sends requests through the ZOVAHttp module, loaded by name at run time. The listener that
# stands in for the node's output pins is a reflected class, so it gets a script package of its own.
add_dependencies(zova ZOVAHttp)
ue_generate_reflection(zova PACKAGE_NAME ZovaHttpCommands ROOT ${CMAKE_CURRENT_LIST_DIR} HEADERS ${CMAKE_CURRENT_LIST_DIR}/Http/ZovaHttpListener.h)
target_compile_definitions(zova PRIVATE ZOVAHTTPCOMMANDS_API=)
