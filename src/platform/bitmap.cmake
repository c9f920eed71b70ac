# Bitmap files decoded by SDL's reader, for the sprite slot loader.
add_library(vm_platform_bitmap STATIC ${CMAKE_CURRENT_LIST_DIR}/bitmap_reader.cpp)
target_include_directories(vm_platform_bitmap PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(vm_platform_bitmap PUBLIC SDL2::SDL2)
