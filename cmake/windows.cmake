# The Windows programs, their Win32 tests and the end-to-end tests.

add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-static -Wl,--gc-sections)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(LARGE_ADDRESS_AWARE -Wl,--large-address-aware)
endif()

add_library(core STATIC ${CORE_SOURCES})
# The optimization's block fill: at -Os the word loop becomes a byte-wise
# string store, markedly slower than memset on fresh pages.
set_source_files_properties(optimizer/OptimizePlan.cpp PROPERTIES COMPILE_OPTIONS -O2)
target_include_directories(core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(core PRIVATE ${WARNINGS})

add_library(framework STATIC
    framework/Dialog.cpp
    framework/Dpi.cpp
    framework/File.cpp
    framework/Gdi.cpp
    framework/Text.cpp
    framework/Thread.cpp
    framework/WinApp.cpp
    framework/Wnd.cpp
    framework/WorkArea.cpp
)
target_include_directories(framework PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(framework PRIVATE ${WARNINGS})
# The Windows-free rules the framework applies are in the core.
target_link_libraries(framework PUBLIC core comctl32)

# The icons are drawn from the texts in resources/icons; the parts they
# share (chip, level band, bolt, cross) are texts of their own there.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(ICON_DIR ${CMAKE_BINARY_DIR}/icons)
file(GLOB ICON_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/icons/*.txt)
set(ICON_FILES)
foreach(icon app busy red yellow green autooff)
    add_custom_command(
        OUTPUT ${ICON_DIR}/${icon}.ico
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ICON_DIR}
        COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/mkicon.py
                ${CMAKE_SOURCE_DIR}/resources/icons/${icon}.txt ${ICON_DIR}/${icon}.ico
        DEPENDS ${CMAKE_SOURCE_DIR}/tools/mkicon.py ${ICON_SOURCES}
        VERBATIM)
    list(APPEND ICON_FILES ${ICON_DIR}/${icon}.ico)
endforeach()
add_custom_target(icons DEPENDS ${ICON_FILES})
set_source_files_properties(resources/bkfr.rc PROPERTIES OBJECT_DEPENDS
    "${ICON_FILES};${CMAKE_SOURCE_DIR}/resources/bkfr.manifest;${CMAKE_SOURCE_DIR}/resources/version.rc")

# Everything of bkfr but its application object, so that the Win32 tests
# can run its windows in-process.
add_library(bkfr_app STATIC
    app/HelpCommands.cpp
    app/IconSet.cpp
    app/ProgramDir.cpp
    app/MainDialog.cpp
    app/Readings.cpp
    app/Run.cpp
    app/Settings.cpp
    app/StatisticsPanel.cpp
    app/Tray.cpp
    app/WindowPlace.cpp
    i18n/Language.cpp
    i18n/MainTexts.cpp
    measure/CpuUsage.cpp
    measure/MemoryStatus.cpp
    measure/OsVersion.cpp
    optimizer/Optimizer.cpp
    ui/AboutDialog.cpp
    ui/Icons.cpp
    ui/MeterCtrl.cpp
    ui/SettingsDialog.cpp
    ui/TrayIcon.cpp
    ui/TrayMenu.cpp
)
target_compile_options(bkfr_app PRIVATE ${WARNINGS})
target_link_libraries(bkfr_app PUBLIC core framework)

function(add_bkfr_resources target)
    target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/resources/bkfr.rc)
    target_include_directories(${target} PRIVATE ${ICON_DIR} ${CMAKE_SOURCE_DIR}/resources)
    add_dependencies(${target} icons)
endfunction()

# SmallExceptions and XpImports: see there; objects of the program, not of a library.
add_executable(bkfr WIN32 app/MainApp.cpp optimizer/TouchFree.cpp framework/SmallExceptions.cpp
               framework/XpImports.cpp)
add_bkfr_resources(bkfr)
target_compile_options(bkfr PRIVATE ${WARNINGS})
target_link_libraries(bkfr PRIVATE bkfr_app)
target_link_options(bkfr PRIVATE -s ${LARGE_ADDRESS_AWARE})

# The launcher shares no code with bkfr.
add_library(helper_core STATIC helper/Launch.cpp)
target_include_directories(helper_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(helper_core PRIVATE ${WARNINGS})

add_executable(helper WIN32 helper/helper.cpp helper/helper.rc)
set_source_files_properties(helper/helper.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/helper/helper.manifest)
target_compile_options(helper PRIVATE ${WARNINGS})
target_link_libraries(helper PRIVATE helper_core)
target_link_options(helper PRIVATE -s)

# GoogleTest for the tests that run under Wine.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

include(tests/harness/harness.cmake)
include(tests/win32/tests.cmake)
include(tests/e2e/tests.cmake)
include(bench/bench.cmake)

# For tools/screenshots: sends bkfr the clicks that open its dialogs.
add_executable(poke EXCLUDE_FROM_ALL tools/poke.c)
target_compile_options(poke PRIVATE ${WARNINGS})
