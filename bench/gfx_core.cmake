# Graphics core timings: building the colour tables without a cache, and one
# frame's presentation.
add_executable(gfx_core_bench ${CMAKE_CURRENT_LIST_DIR}/gfx_core_bench.cpp)
target_link_libraries(gfx_core_bench PRIVATE vm_gfx vm_platform)
target_compile_definitions(gfx_core_bench PRIVATE VAULMOOR_PALETTE="${PROJECT_SOURCE_DIR}/data/pal.bmp")
