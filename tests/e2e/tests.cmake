add_executable(e2e_tests
    tests/e2e/Driver.cpp
    tests/e2e/cpu_e2e.cpp
    tests/e2e/language_e2e.cpp
    tests/e2e/main_window_e2e.cpp
    tests/e2e/optimize_e2e.cpp
)
target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(e2e_tests PRIVATE ${WARNINGS})
target_link_libraries(e2e_tests PRIVATE core gtest gtest_main comctl32)
# Large-address-aware like bkfr, so that both see the same memory figures.
target_link_options(e2e_tests PRIVATE ${LARGE_ADDRESS_AWARE})
