# The hint search over our cellars: every position along the kept solutions and random
# walks from each stage's start, timed one by one with the heap each search needs.
add_executable(hint_bench ${CMAKE_CURRENT_LIST_DIR}/hint_bench.cpp)
target_link_libraries(hint_bench PRIVATE vm_game vm_game_solver vm_playthrough)
target_compile_definitions(hint_bench PRIVATE VAULMOOR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
