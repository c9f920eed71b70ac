# The cellar source compiler, the stage solver's command, its solution measures and the
# playthrough script generator.
add_executable(vaulmoor-stagec ${CMAKE_CURRENT_LIST_DIR}/stages/stagec_main.cpp)
target_link_libraries(vaulmoor-stagec PRIVATE vm_game_rules)

# The solver's tools over the game's rules: kept solutions and the playthrough script,
# solution measures, and positions reached by given moves or random walks.
add_library(vm_playthrough STATIC ${CMAKE_CURRENT_LIST_DIR}/solver/playthrough.cpp
            ${CMAKE_CURRENT_LIST_DIR}/solver/solution_stats.cpp
            ${CMAKE_CURRENT_LIST_DIR}/solver/position_walks.cpp)
vaulmoor_headers(vm_playthrough ROOT ${CMAKE_CURRENT_LIST_DIR}
  PUBLIC solver/playthrough.h solver/solution_stats.h solver/position_walks.h)
target_link_libraries(vm_playthrough PUBLIC vm_game_solver PRIVATE vm_platform_files)

add_executable(vaulmoor-solve ${CMAKE_CURRENT_LIST_DIR}/solver/solve_main.cpp)
target_link_libraries(vaulmoor-solve PRIVATE vm_playthrough)

# Regenerates the committed stage file from the source: cmake --build . --target stages
add_custom_target(stages
  COMMAND vaulmoor-stagec ${CMAKE_CURRENT_LIST_DIR}/stages/cellars.txt
          ${CMAKE_SOURCE_DIR}/data/stage.dat
  DEPENDS vaulmoor-stagec ${CMAKE_CURRENT_LIST_DIR}/stages/cellars.txt
  COMMENT "Compiling the cellars into data/stage.dat")
