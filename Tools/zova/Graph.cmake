# zova nodes / zova json ...: run the JSON nodes through the Blueprint graph host. The engine's editor
# modules are linked; the plug-in modules are loaded by name at run time, as the editor loads them.
target_link_libraries(zova PRIVATE Engine BlueprintGraph KismetCompiler UnrealEd)
add_dependencies(zova ZOVAJson ZOVAJsonEditor)
