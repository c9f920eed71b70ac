# The engine's drawing repertoire: text and shapes, pixel primitives, effect
# copies and the particle burst.
add_library(vm_gfx_draw STATIC
  ${CMAKE_CURRENT_LIST_DIR}/text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/effects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/particles.cpp)
vaulmoor_headers(vm_gfx_draw
  PUBLIC gfx/text.h gfx/shapes.h gfx/pixels.h gfx/effects.h gfx/particles.h)
target_link_libraries(vm_gfx_draw PUBLIC vm_gfx PRIVATE vm_platform_font vm_shared)
