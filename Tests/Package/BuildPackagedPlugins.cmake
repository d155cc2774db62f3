# Configures and builds Tests/Package/PackagedPlugins for the unpacked packages, with the compiler
# and flags of the engine's build. Run as: cmake -D<Name>=<Value>... -P BuildPackagedPlugins.cmake
#   ENGINE_BUILD_DIR  PLUGINS_DIR  BUILD_DIR  BUILD_TYPE  C_COMPILER  CXX_COMPILER  CXX_FLAGS
#   SHARED_LINKER_FLAGS  EXE_LINKER_FLAGS  JOBS
execute_process(
	COMMAND ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR}/PackagedPlugins -B ${BUILD_DIR} -G Ninja
		-DCMAKE_BUILD_TYPE=${BUILD_TYPE}
		-DCMAKE_C_COMPILER=${C_COMPILER}
		-DCMAKE_CXX_COMPILER=${CXX_COMPILER}
		-DCMAKE_CXX_FLAGS=${CXX_FLAGS}
		-DCMAKE_SHARED_LINKER_FLAGS=${SHARED_LINKER_FLAGS}
		-DCMAKE_EXE_LINKER_FLAGS=${EXE_LINKER_FLAGS}
		-DZOVA_ENGINE_BUILD_DIR=${ENGINE_BUILD_DIR}
		-DZOVA_PLUGINS_DIR=${PLUGINS_DIR}
	RESULT_VARIABLE Result)
if(NOT Result EQUAL 0)
	message(FATAL_ERROR "Configuring the packaged plug-ins failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} -j ${JOBS} RESULT_VARIABLE Result)
if(NOT Result EQUAL 0)
	message(FATAL_ERROR "Building the packaged plug-ins failed")
endif()
