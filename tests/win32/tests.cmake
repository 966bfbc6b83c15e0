add_executable(win32_tests
    tests/win32/Support.cpp
    tests/win32/FakeReadings.cpp
    tests/win32/TouchFreeDouble.cpp
    tests/win32/icons_test.cpp
    tests/win32/language_test.cpp
    tests/win32/layout_test.cpp
    tests/win32/main_window_test.cpp
    tests/win32/message_map_test.cpp
    tests/win32/meter_test.cpp
    tests/win32/optimizer_test.cpp
    tests/win32/settings_dialog_test.cpp
    tests/win32/settings_store_test.cpp
    tests/win32/tray_test.cpp
)
add_bkfr_resources(win32_tests)
target_include_directories(win32_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(win32_tests PRIVATE ${WARNINGS})
target_link_libraries(win32_tests PRIVATE test_harness bkfr_app gtest gtest_main)
target_link_options(win32_tests PRIVATE ${LARGE_ADDRESS_AWARE})
