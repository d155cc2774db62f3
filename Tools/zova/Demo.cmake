# zova demo: the launcher, HTTP and JSON plug-ins end to end against an HTTPS service of its own on
# 127.0.0.1, whose certificate it makes with OpenSSL and trusts through the host HTTP module.
add_dependencies(zova ZOVAHttp ZOVAJson ZOVAJsonEditor ZOVALauncherAPI)
pkg_check_modules(ZOVA_DEMO_DEPS REQUIRED IMPORTED_TARGET cpp-httplib libssl libcrypto)
target_link_libraries(zova PRIVATE HTTP PkgConfig::ZOVA_DEMO_DEPS)
