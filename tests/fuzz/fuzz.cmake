# The fuzz targets (tests/fuzz/CMakeLists.txt), built with clang into fuzz/
# of this build when clang is there; tests/fuzz/run runs them.
find_program(FUZZ_CLANGXX clang++)
if(FUZZ_CLANGXX)
    include(ExternalProject)
    ExternalProject_Add(fuzz_targets
        SOURCE_DIR ${CMAKE_SOURCE_DIR}/tests/fuzz
        BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
        CMAKE_CACHE_ARGS
            -DCMAKE_CXX_COMPILER:FILEPATH=${FUZZ_CLANGXX}
            -DCMAKE_BUILD_TYPE:STRING=Debug
            -DBRISKLET_ROOT:PATH=${CMAKE_SOURCE_DIR}
            -DBRISKLET_CORE_SOURCES:STRING=${CORE_SOURCES}
            -DBRISKLET_WERROR:BOOL=${BRISKLET_WERROR}
        # The sub-build knows its own sources' changes.
        BUILD_ALWAYS ON
        INSTALL_COMMAND "")
else()
    message(STATUS "no clang++: the fuzz targets are not built")
endif()
