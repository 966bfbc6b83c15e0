# The benchmark programs (bench/run builds and runs them); not part of a
# plain build.

# Linked like the programs they are compared with: statically, stripped.
add_executable(floor WIN32 EXCLUDE_FROM_ALL bench/floor.cpp)
add_executable(minimal WIN32 EXCLUDE_FROM_ALL bench/minimal.cpp)
add_executable(watcher EXCLUDE_FROM_ALL bench/watcher.cpp)
# With bkfr's manifest, so that they bind the same version of the common
# controls (bench/floor.cpp says which DLLs and why), and the floor that
# does a tick's visible work.
add_executable(floor_dlls WIN32 EXCLUDE_FROM_ALL bench/floor.cpp bench/floor_dlls.rc)
add_executable(floor_tick WIN32 EXCLUDE_FROM_ALL bench/floor.cpp bench/floor_dlls.rc)
target_compile_definitions(floor_tick PRIVATE FLOOR_TICK_WORK)
set_source_files_properties(bench/floor_dlls.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/resources/bkfr.manifest)

# The floors once more with their start-up stage marks.
add_executable(floor_stages WIN32 EXCLUDE_FROM_ALL bench/floor.cpp bench/StageMarks.cpp)
add_executable(floor_dlls_stages WIN32 EXCLUDE_FROM_ALL bench/floor.cpp bench/floor_dlls.rc bench/StageMarks.cpp)
foreach(target floor_stages floor_dlls_stages)
    target_compile_definitions(${target} PRIVATE FLOOR_STAGES)
endforeach()

foreach(target floor_dlls floor_tick floor_dlls_stages)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/resources)
    target_compile_definitions(${target} PRIVATE FLOOR_SAME_DLLS)
    target_link_libraries(${target} PRIVATE comctl32 advapi32)
endforeach()

foreach(target floor floor_dlls floor_tick floor_stages floor_dlls_stages minimal watcher)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_options(${target} PRIVATE ${WARNINGS})
    target_link_options(${target} PRIVATE -s)
endforeach()

# bkfr with its start-up stage marks: bkfr's own sources, taken from its
# target so that the two never part, its libraries as they are, and
# bench/bkfr_stages.cpp, which marks the stages from the window's messages.
get_target_property(STAGES_SOURCES bkfr SOURCES)
# The resources come with add_bkfr_resources.
list(FILTER STAGES_SOURCES EXCLUDE REGEX "\\.rc$")
get_target_property(STAGES_LIBRARIES bkfr LINK_LIBRARIES)
get_target_property(STAGES_LINK_OPTIONS bkfr LINK_OPTIONS)
add_executable(bkfr_stages WIN32 EXCLUDE_FROM_ALL ${STAGES_SOURCES} bench/bkfr_stages.cpp bench/StageMarks.cpp)
add_bkfr_resources(bkfr_stages)
target_include_directories(bkfr_stages PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(bkfr_stages PRIVATE ${WARNINGS})
target_link_libraries(bkfr_stages PRIVATE ${STAGES_LIBRARIES})
target_link_options(bkfr_stages PRIVATE ${STAGES_LINK_OPTIONS})

# The main window in-process, as the Win32 tests run it.
add_executable(refresh_bench EXCLUDE_FROM_ALL bench/refresh_bench.cpp optimizer/TouchFree.cpp)
add_bkfr_resources(refresh_bench)
target_include_directories(refresh_bench PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(refresh_bench PRIVATE ${WARNINGS})
target_link_libraries(refresh_bench PRIVATE bkfr_app)
target_link_options(refresh_bench PRIVATE ${LARGE_ADDRESS_AWARE})

add_executable(touch_bench EXCLUDE_FROM_ALL bench/touch_bench.cpp)
target_compile_options(touch_bench PRIVATE ${WARNINGS})
target_link_libraries(touch_bench PRIVATE core)
target_link_options(touch_bench PRIVATE ${LARGE_ADDRESS_AWARE})
