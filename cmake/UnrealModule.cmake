# Defines engine and plug-in modules the way the engine's build tool does: one shared library per
# module, whose dependencies are read from the module's <Module>.Build.cs, and whose reflected
# headers are run through the header tool.

set(UE_HEADER_TOOL ${CMAKE_CURRENT_LIST_DIR}/../HostEngine/Programs/HeaderTool/HeaderTool.py)
file(GLOB UE_HEADER_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../HostEngine/Programs/HeaderTool/*.py)

# Sanitizer builds use the C library's allocator and the C++ runtime's operator new, as the engine's
# build does for them, so that the sanitizer sees every allocation.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=([a-z,-]*,)?(address|thread|memory|fuzzer)")
	set(UE_FORCE_ANSI_ALLOCATOR ON)
	add_compile_definitions(FORCE_ANSI_ALLOCATOR=1)
else()
	set(UE_FORCE_ANSI_ALLOCATOR OFF)
endif()

# Third-party names that Build.cs files pass to AddEngineThirdPartyPrivateStaticDependencies.
function(ue_resolve_third_party Target Name)
	if(Name STREQUAL "mimalloc")
		if(NOT UE_FORCE_ANSI_ALLOCATOR)
			find_package(mimalloc REQUIRED)
			target_link_libraries(${Target} PRIVATE mimalloc)
			target_compile_definitions(${Target} PRIVATE PLATFORM_BUILDS_MIMALLOC=1)
		endif()
	elseif(Name STREQUAL "OpenSSL")
		pkg_check_modules(UE_OPENSSL REQUIRED IMPORTED_TARGET libcrypto)
		target_link_libraries(${Target} PRIVATE PkgConfig::UE_OPENSSL)
	elseif(Name STREQUAL "libcurl")
		pkg_check_modules(UE_LIBCURL REQUIRED IMPORTED_TARGET libcurl)
		target_link_libraries(${Target} PRIVATE PkgConfig::UE_LIBCURL)
	elseif(Name STREQUAL "CppHttpLib")
		pkg_check_modules(UE_CPP_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
		target_link_libraries(${Target} PRIVATE PkgConfig::UE_CPP_HTTPLIB)
	else()
		message(FATAL_ERROR "${Target}: unknown third-party dependency '${Name}'")
	endif()
endfunction()

# Reads the module names out of "<ListName>.AddRange(new string[] { "A", "B" });" in a Build.cs text.
function(ue_read_dependency_list Text ListName OutVar)
	set(Result "")
	string(REGEX MATCHALL "${ListName}\\.AddRange\\([^;]*\\);" Calls "${Text}")
	foreach(Call IN LISTS Calls)
		string(REGEX MATCHALL "\"[A-Za-z0-9_]+\"" Quoted "${Call}")
		foreach(Item IN LISTS Quoted)
			string(REPLACE "\"" "" Item "${Item}")
			list(APPEND Result ${Item})
		endforeach()
	endforeach()
	string(REGEX MATCHALL "${ListName}\\.Add\\(\"[A-Za-z0-9_]+\"\\)" Singles "${Text}")
	foreach(Call IN LISTS Singles)
		string(REGEX REPLACE ".*\\(\"([A-Za-z0-9_]+)\"\\)" "\\1" Item "${Call}")
		list(APPEND Result ${Item})
	endforeach()
	set(${OutVar} ${Result} PARENT_SCOPE)
endfunction()

# Runs the header tool over the reflected headers of Target and adds the generated code to it.
#   ue_generate_reflection(Target PACKAGE_NAME Name ROOT Dir HEADERS h1 h2 ...)
function(ue_generate_reflection Target)
	cmake_parse_arguments(ARG "" "PACKAGE_NAME;ROOT" "HEADERS" ${ARGN})
	set(Reflected "")
	foreach(Header IN LISTS ARG_HEADERS)
		file(STRINGS ${Header} Marks REGEX "^[ \t]*(UCLASS|USTRUCT|UENUM|UINTERFACE|DECLARE_DYNAMIC_[A-Z_]*DELEGATE[A-Za-z_]*)[ \t]*\\(")
		if(Marks)
			list(APPEND Reflected ${Header})
		endif()
	endforeach()
	# <Module>Reflection builds the module's generated headers alone, for modules that include its
	# headers without linking it (see IncludePathModuleNames in ue_add_module).
	if(NOT Reflected)
		add_custom_target(${Target}Reflection)
		return()
	endif()
	set(GenDir ${CMAKE_BINARY_DIR}/Intermediate/${ARG_PACKAGE_NAME}/Inc)
	set(Outputs ${GenDir}/${ARG_PACKAGE_NAME}.gen.cpp)
	foreach(Header IN LISTS Reflected)
		get_filename_component(Base ${Header} NAME_WE)
		list(APPEND Outputs ${GenDir}/${Base}.generated.h)
	endforeach()
	add_custom_command(
		OUTPUT ${Outputs}
		COMMAND ${Python3_EXECUTABLE} ${UE_HEADER_TOOL} --module ${ARG_PACKAGE_NAME} --module-dir ${ARG_ROOT} --output ${GenDir} ${Reflected}
		DEPENDS ${UE_HEADER_TOOL_SOURCES} ${Reflected}
		COMMENT "Header tool: ${ARG_PACKAGE_NAME}"
		VERBATIM)
	add_custom_target(${Target}Reflection DEPENDS ${Outputs})
	target_sources(${Target} PRIVATE ${Outputs})
	target_include_directories(${Target} PUBLIC $<BUILD_INTERFACE:${GenDir}> PRIVATE ${ARG_ROOT})
endfunction()

# ue_add_module(Name DIRECTORY Dir)
function(ue_add_module Name)
	cmake_parse_arguments(ARG "" "DIRECTORY" "" ${ARGN})
	set(Dir ${ARG_DIRECTORY})
	set(BuildFile ${Dir}/${Name}.Build.cs)
	if(NOT EXISTS ${BuildFile})
		message(FATAL_ERROR "Module ${Name} has no ${BuildFile}")
	endif()
	set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${BuildFile})
	file(READ ${BuildFile} BuildText)
	ue_read_dependency_list("${BuildText}" PublicDependencyModuleNames PublicDeps)
	ue_read_dependency_list("${BuildText}" PrivateDependencyModuleNames PrivateDeps)
	ue_read_dependency_list("${BuildText}" CircularlyReferencedDependentModules CircularDeps)
	if(CircularDeps)
		list(REMOVE_ITEM PublicDeps ${CircularDeps})
		list(REMOVE_ITEM PrivateDeps ${CircularDeps})
	endif()
	ue_read_dependency_list("${BuildText}" PublicIncludePathModuleNames PublicIncludeModules)
	ue_read_dependency_list("${BuildText}" PrivateIncludePathModuleNames PrivateIncludeModules)
	# Folders of other modules, written as Path.Combine(GetModuleDirectory("Module"), "Folder").
	string(REGEX MATCHALL "PrivateIncludePaths\\.Add\\(Path\\.Combine\\(GetModuleDirectory\\(\"[A-Za-z0-9_]+\"\\), *\"[A-Za-z0-9_/]+\"\\)\\)" ModuleFolderCalls "${BuildText}")
	string(REGEX MATCHALL "AddEngineThirdPartyPrivateStaticDependencies\\(Target, *\"[A-Za-z0-9_]+\"\\)" ThirdPartyCalls "${BuildText}")

	file(GLOB_RECURSE Sources CONFIGURE_DEPENDS ${Dir}/Private/*.cpp ${Dir}/Public/*.cpp ${Dir}/Classes/*.cpp)
	file(GLOB_RECURSE Headers CONFIGURE_DEPENDS ${Dir}/Public/*.h ${Dir}/Classes/*.h ${Dir}/Private/*.h)
	add_library(${Name} SHARED ${Sources} ${Headers})
	set_target_properties(${Name} PROPERTIES OUTPUT_NAME "UnrealEditor-${Name}" UE_MODULE_DIRECTORY ${Dir})

	foreach(Folder Public Classes)
		if(EXISTS ${Dir}/${Folder})
			target_include_directories(${Name} PUBLIC ${Dir}/${Folder})
		endif()
	endforeach()
	target_include_directories(${Name} PRIVATE ${Dir})
	if(EXISTS ${Dir}/Private)
		target_include_directories(${Name} PRIVATE ${Dir}/Private)
	endif()

	string(TOUPPER ${Name} Upper)
	target_compile_definitions(${Name} PRIVATE ${Upper}_API=DLLEXPORT UE_MODULE_NAME="${Name}" INTERFACE ${Upper}_API=DLLIMPORT)
	target_link_libraries(${Name} PUBLIC ${PublicDeps} PRIVATE ${PrivateDeps})
	# A module that depends on this one back (CircularlyReferencedDependentModules) is compiled against
	# but not linked, which would close a cycle; its functions resolve when the process loads it, as
	# every process that calls them does.
	foreach(CircularDep IN LISTS CircularDeps)
		string(TOUPPER ${CircularDep} CircularUpper)
		target_include_directories(${Name} PRIVATE $<TARGET_PROPERTY:${CircularDep},INTERFACE_INCLUDE_DIRECTORIES>)
		target_compile_definitions(${Name} PRIVATE ${CircularUpper}_API=DLLIMPORT)
	endforeach()
	# Include-path modules give their headers without being linked, as in the engine, where this is
	# how two modules that call each other see each other's headers.
	foreach(Visibility Public Private)
		string(TOUPPER ${Visibility} Scope)
		foreach(IncludeModule IN LISTS ${Visibility}IncludeModules)
			target_include_directories(${Name} ${Scope} $<TARGET_PROPERTY:${IncludeModule},INTERFACE_INCLUDE_DIRECTORIES>)
			# The module's own build exports what it declares; every other one that sees its headers imports it.
			string(TOUPPER ${IncludeModule} IncludeUpper)
			target_compile_definitions(${Name} ${Scope} $<$<NOT:$<STREQUAL:$<TARGET_PROPERTY:NAME>,${IncludeModule}>>:${IncludeUpper}_API=DLLIMPORT>)
			add_dependencies(${Name} ${IncludeModule}Reflection)
		endforeach()
	endforeach()
	foreach(Call IN LISTS ModuleFolderCalls)
		string(REGEX REPLACE ".*GetModuleDirectory\\(\"([A-Za-z0-9_]+)\"\\), *\"([A-Za-z0-9_/]+)\".*" "\\1;\\2" ModuleFolder "${Call}")
		list(GET ModuleFolder 0 FolderModule)
		list(GET ModuleFolder 1 Folder)
		target_include_directories(${Name} PRIVATE $<TARGET_PROPERTY:${FolderModule},UE_MODULE_DIRECTORY>/${Folder})
	endforeach()
	foreach(Call IN LISTS ThirdPartyCalls)
		string(REGEX REPLACE ".*\"([A-Za-z0-9_]+)\".*" "\\1" ThirdParty "${Call}")
		ue_resolve_third_party(${Name} ${ThirdParty})
	endforeach()

	ue_generate_reflection(${Name} PACKAGE_NAME ${Name} ROOT ${Dir} HEADERS ${Headers})
endfunction()

# Adds every module of the plug-ins in a folder: <Plugin>/Source/<Module>/<Module>.Build.cs.
#   ue_add_plugin_modules(Dir [WITH_TESTS])
# The plug-ins' automation test modules (named <Something>Tests) only come WITH_TESTS.
function(ue_add_plugin_modules PluginsDir)
	cmake_parse_arguments(ARG "WITH_TESTS" "" "" ${ARGN})
	file(GLOB BuildFiles CONFIGURE_DEPENDS ${PluginsDir}/*/Source/*/*.Build.cs)
	foreach(BuildFile IN LISTS BuildFiles)
		get_filename_component(ModuleDir ${BuildFile} DIRECTORY)
		get_filename_component(ModuleName ${ModuleDir} NAME)
		if(ModuleName MATCHES "Tests$" AND NOT ARG_WITH_TESTS)
			continue()
		endif()
		ue_add_module(${ModuleName} DIRECTORY ${ModuleDir})
		# A call the engine marks deprecated warns in a UE build; here it fails the plug-in's build.
		target_compile_options(${ModuleName} PRIVATE -Werror=deprecated-declarations)
	endforeach()
endfunction()
