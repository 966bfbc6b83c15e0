add_executable(unit_tests
    tests/unit/command_line_test.cpp
    tests/unit/cpu_load_test.cpp
    tests/unit/gradient_test.cpp
    tests/unit/help_text_test.cpp
    tests/unit/ini_text_test.cpp
    tests/unit/ini_write_test.cpp
    tests/unit/lang_files_test.cpp
    tests/unit/main_view_test.cpp
    tests/unit/language_rules_test.cpp
    tests/unit/launch_test.cpp
    tests/unit/optimize_plan_test.cpp
    tests/unit/screen_test.cpp
    tests/unit/settings_test.cpp
    tests/unit/stats_text_test.cpp
    tests/unit/tray_tip_test.cpp
    tests/unit/utf8_test.cpp
    tests/unit/window_placement_test.cpp
    tests/unit/window_presence_test.cpp
)
target_compile_options(unit_tests PRIVATE ${WARNINGS} ${SANITIZERS})
target_link_libraries(unit_tests PRIVATE core GTest::gtest_main)
target_compile_definitions(unit_tests PRIVATE BRISKLET_LANG_DIR="${CMAKE_SOURCE_DIR}/lang")
