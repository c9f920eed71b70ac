# The sound effect synthesiser: renders the six effects from their recipes and
# writes them as WAVE files with the audio module's writer (its library needs no
# sound device).
add_library(vm_sfx STATIC
  ${CMAKE_CURRENT_LIST_DIR}/sfx/synth.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sfx/effects.cpp)
target_include_directories(vm_sfx PUBLIC ${CMAKE_CURRENT_LIST_DIR}/sfx)
target_link_libraries(vm_sfx PUBLIC vm_wave_file)

add_executable(vaulmoor-sfx ${CMAKE_CURRENT_LIST_DIR}/sfx/sfx_main.cpp)
target_link_libraries(vaulmoor-sfx PRIVATE vm_sfx)

# Regenerates the committed sound effects: cmake --build . --target sfx
add_custom_target(sfx
  COMMAND vaulmoor-sfx ${CMAKE_SOURCE_DIR}/data
  DEPENDS vaulmoor-sfx
  COMMENT "Synthesising the sound effects into data/")
