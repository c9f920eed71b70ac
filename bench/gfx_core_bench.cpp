// Times the graphics core's costly steps: the colour tables built without a
// cache (from the game's palette) and one frame's presentation.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "gfx/palette.h"
#include "gfx/present.h"
#include "gfx/surfaces.h"
#include "platform/platform.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double MedianMs(int runs, Work work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  platform::Options options;
  options.headless = true;
  if (!platform::Init(options) || !gfx::InitDisplay(gfx::SCREEN_WIDTH, gfx::SCREEN_HEIGHT)) {
    std::fprintf(stderr, "gfx_core_bench: no headless display\n");
    return 1;
  }
  const std::filesystem::path cache = std::filesystem::temp_directory_path() / "gfx_core_bench.dat";
  const double build = MedianMs(9, [&] {
    std::filesystem::remove(cache);
    if (!gfx::BuildColourTables(VAULMOOR_PALETTE, cache.c_str())) std::exit(1);
  });
  const double read = MedianMs(9, [&] { gfx::BuildColourTables(VAULMOOR_PALETTE, cache.c_str()); });
  std::filesystem::remove(cache);
  const double frame = MedianMs(1000, [] { gfx::PresentFrame(1, 0); });
  std::printf("colour tables built without a cache: %8.2f ms (goal: well under 200 ms)\n", build);
  std::printf("colour tables read from the cache:   %8.2f ms\n", read);
  std::printf("one frame presented and cleared:     %8.4f ms (headless: no conversion)\n", frame);
  gfx::ShutdownDisplay();
  platform::Shutdown();
  return 0;
}
