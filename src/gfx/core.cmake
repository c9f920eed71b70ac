# The graphics engine core: display objects, surfaces and slots, palette and
# colour tables, rectangle copies, presentation, screenshots and bitmap files.
# Bitmap files on their own (no display, no SDL), shared with the art tool.
add_library(vm_bitmap_file STATIC ${CMAKE_CURRENT_LIST_DIR}/bitmap_file.cpp)
vaulmoor_headers(vm_bitmap_file PUBLIC gfx/bitmap_file.h)
target_link_libraries(vm_bitmap_file PRIVATE vm_platform_files)

add_library(vm_gfx STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ddraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/surfaces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/slot_loading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/blit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/present.cpp)
vaulmoor_headers(vm_gfx
  PUBLIC gfx/ddraw.h gfx/surfaces.h gfx/slot_loading.h gfx/palette.h gfx/blit.h gfx/present.h
  PRIVATE gfx/slot_log.h)
target_link_libraries(vm_gfx PUBLIC vm_platform_bitmap
  PRIVATE vm_bitmap_file vm_platform vm_platform_files vm_shared)
# Pixel loops (keyed copies, conversions) are worth vectorising with loop
# epilogues, which GCC's default -O2 cost model leaves out.
target_compile_options(vm_gfx PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fvect-cost-model=dynamic>)
