add_executable(e2e_tests
    tests/e2e/Driver.cpp
    tests/e2e/PeImports.cpp
    tests/e2e/bad_input_e2e.cpp
    tests/e2e/cpu_e2e.cpp
    tests/e2e/import_audit_e2e.cpp
    tests/e2e/help_e2e.cpp
    tests/e2e/install_e2e.cpp
    tests/e2e/language_e2e.cpp
    tests/e2e/main_window_e2e.cpp
    tests/e2e/optimize_e2e.cpp
    tests/e2e/settings_file_e2e.cpp
    tests/e2e/soak_e2e.cpp
    tests/e2e/start_e2e.cpp
    tests/e2e/switches_e2e.cpp
    tests/e2e/wide_memory_e2e.cpp
)
target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(e2e_tests PRIVATE ${WARNINGS})
target_link_libraries(e2e_tests PRIVATE test_harness core gtest gtest_main comctl32 psapi)
# Version resources and shortcuts of the installed programs.
target_link_libraries(e2e_tests PRIVATE version ole32 uuid)
# Large-address-aware like bkfr, so that both see the same memory figures.
target_link_options(e2e_tests PRIVATE ${LARGE_ADDRESS_AWARE})

# Stand-ins for SHELL32 for the tray tests: one without the
# "Shell_NotifyIcon" entry, one whose entry refuses every icon.
foreach(variant noentry refuses records)
    add_library(fake_shell32_${variant} SHARED tests/e2e/fake_shell32.c tests/e2e/fake_shell32_${variant}.def)
    set_target_properties(fake_shell32_${variant} PROPERTIES
        PREFIX "" OUTPUT_NAME shell32 LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fake-shell32-${variant}
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fake-shell32-${variant})
    target_compile_options(fake_shell32_${variant} PRIVATE ${WARNINGS})
    target_link_options(fake_shell32_${variant} PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup)
    add_dependencies(win32_tests fake_shell32_${variant})
endforeach()

# Records what the shell is asked to open (see recorder.c).
add_executable(recorder WIN32 tests/e2e/recorder.c)
target_compile_options(recorder PRIVATE ${WARNINGS})
add_dependencies(e2e_tests recorder)
