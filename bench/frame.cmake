# A whole play-scene frame in a real window against a plain copy of the same
# number of display bytes. Run from the run folder (it reads pal.bmp and data/).
find_package(benchmark REQUIRED)
add_executable(frame_bench ${CMAKE_CURRENT_LIST_DIR}/frame_bench.cpp)
target_link_libraries(frame_bench PRIVATE vm_shell vm_game vm_gfx vm_gfx_draw vm_platform
  benchmark::benchmark)
vaulmoor_private_headers_of(frame_bench vm_platform)
