# The functional core and its unit tests, built natively with sanitizers.

set(SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(-g -O1)

add_library(core STATIC ${CORE_SOURCES} helper/Launch.cpp)
target_include_directories(core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(core PRIVATE ${WARNINGS} ${SANITIZERS})
target_link_options(core PUBLIC ${SANITIZERS})

find_package(GTest REQUIRED)
include(tests/unit/tests.cmake)
include(tests/fuzz/fuzz.cmake)
