# zova launcher: loads the launcher module by name at run time, and encrypts with OpenSSL's DES-CBC
# (legacy provider) for "launcher pack".
add_dependencies(zova ZOVALauncherAPI)
pkg_check_modules(ZOVA_LAUNCHER_CRYPTO REQUIRED IMPORTED_TARGET libcrypto)
target_link_libraries(zova PRIVATE Engine PkgConfig::ZOVA_LAUNCHER_CRYPTO)
# The module's own check of session documents, compiled in, so that zova takes exactly the documents
# the module takes and never hands the engine's reader one that it would crash on.
set(ZovaLauncherPrivate ${CMAKE_SOURCE_DIR}/Plugins/ZOVALauncherAPI/Source/ZOVALauncherAPI/Private)
target_sources(zova PRIVATE ${ZovaLauncherPrivate}/ZOVAHubJsonCheck.cpp)
target_include_directories(zova PRIVATE ${ZovaLauncherPrivate})
