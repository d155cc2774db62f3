# zova launcher: loads the launcher module by name at run time, and encrypts with OpenSSL's DES-CBC
# (legacy provider) for "launcher pack".
add_dependencies(zova ZOVALauncherAPI)
pkg_check_modules(ZOVA_LAUNCHER_CRYPTO REQUIRED IMPORTED_TARGET libcrypto)
target_link_libraries(zova PRIVATE Engine PkgConfig::ZOVA_LAUNCHER_CRYPTO)
