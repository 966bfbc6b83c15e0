# The benchmark programs (bench/run builds and runs them); not part of a
# plain build.

# Linked like the programs they are compared with: statically, stripped.
add_executable(floor WIN32 EXCLUDE_FROM_ALL bench/floor.cpp)
add_executable(minimal WIN32 EXCLUDE_FROM_ALL bench/minimal.cpp)
add_executable(watcher EXCLUDE_FROM_ALL bench/watcher.cpp)
add_executable(floor_dlls WIN32 EXCLUDE_FROM_ALL bench/floor.cpp)
target_compile_definitions(floor_dlls PRIVATE FLOOR_SAME_DLLS)
target_link_libraries(floor_dlls PRIVATE comctl32 shell32 advapi32 gdi32)
foreach(target floor floor_dlls minimal watcher)
    target_compile_options(${target} PRIVATE ${WARNINGS})
    target_link_options(${target} PRIVATE -s)
endforeach()

# The main window in-process, as the Win32 tests run it.
add_executable(refresh_bench EXCLUDE_FROM_ALL bench/refresh_bench.cpp)
add_bkfr_resources(refresh_bench)
target_include_directories(refresh_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(refresh_bench PRIVATE ${WARNINGS})
target_link_libraries(refresh_bench PRIVATE bkfr_app)
target_link_options(refresh_bench PRIVATE ${LARGE_ADDRESS_AWARE})

add_executable(touch_bench EXCLUDE_FROM_ALL bench/touch_bench.cpp)
target_compile_options(touch_bench PRIVATE ${WARNINGS})
target_link_libraries(touch_bench PRIVATE core)
target_link_options(touch_bench PRIVATE ${LARGE_ADDRESS_AWARE})
