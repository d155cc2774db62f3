# Compiler settings, output folders and module helpers shared by the project and by builds of
# packaged plug-ins against it (Tests/Package/PackagedPlugins).

get_filename_component(ZOVA_ROOT_DIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

# Every engine module, plug-in module, test and tool lands in one folder, as the engine's Binaries
# folder, so the module manager finds plug-in libraries beside the executable.
set(UE_BINARIES_DIR ${CMAKE_BINARY_DIR}/Binaries)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${UE_BINARIES_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${UE_BINARIES_DIR})
set(CMAKE_BUILD_RPATH "$ORIGIN")

# Compiles go through ccache when the machine has it. Paths under the repository are hashed
# relative to it and the build folder is left out of the hash (debug builds would otherwise hash it),
# so another checkout of the same sources reuses the cached objects; their debug information then
# names the folder of the checkout that compiled them first.
find_program(ZOVA_CCACHE ccache)
if(ZOVA_CCACHE)
	set(ZOVA_CCACHE_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${ZOVA_ROOT_DIR} CCACHE_NOHASHDIR=true ${ZOVA_CCACHE})
	set(CMAKE_C_COMPILER_LAUNCHER ${ZOVA_CCACHE_LAUNCHER})
	set(CMAKE_CXX_COMPILER_LAUNCHER ${ZOVA_CCACHE_LAUNCHER})
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
	add_compile_options(-Wno-class-memaccess)
endif()

find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_package(PkgConfig REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/UnrealModule.cmake)
