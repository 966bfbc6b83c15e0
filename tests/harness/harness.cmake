# The harness of the Win32 tests and the end-to-end tests.
add_library(test_harness STATIC tests/harness/Harness.cpp)
target_include_directories(test_harness PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(test_harness PRIVATE ${WARNINGS})
