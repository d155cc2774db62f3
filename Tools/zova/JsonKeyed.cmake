# zova json analyze / create / array: the commands add keys and inputs through the nodes' own widgets,
# as an author does, so the editor UI modules are linked.
target_link_libraries(zova PRIVATE Slate SlateCore GraphEditor)
add_dependencies(zova ZOVAJson ZOVAJsonEditor)
