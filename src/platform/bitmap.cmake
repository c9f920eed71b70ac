# Bitmap files decoded by SDL's reader, for the sprite slot loader.
add_library(vm_platform_bitmap STATIC ${CMAKE_CURRENT_LIST_DIR}/bitmap_reader.cpp)
vaulmoor_headers(vm_platform_bitmap PUBLIC platform/bitmap_reader.h)
target_link_libraries(vm_platform_bitmap PRIVATE SDL2::SDL2)
