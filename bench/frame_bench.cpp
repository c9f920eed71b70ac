// Times one full play-scene frame (board, player, side panel with its texts and
// the 8-bit picture converted and shown in the window) against a plain copy of
// the same number of display bytes. Needs a display (e.g. xvfb-run) and runs
// from the run folder, where pal.bmp and data/ are.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/shell.h"
#include "game/board_drawing.h"
#include "game/data_model.h"
#include "game/scene_functions.h"
#include "game/stage_file.h"
#include "gfx/palette.h"
#include "gfx/present.h"
#include "gfx/surfaces.h"
#include "gfx/text.h"
#include "platform/core_internal.h"
#include "platform/platform.h"

namespace {

// Four bytes a pixel: the display format the picture is converted to.
constexpr size_t DISPLAY_BYTES = size_t(gfx::SCREEN_WIDTH) * gfx::SCREEN_HEIGHT * 4;

// Opens a 1:1 window and loads what the play scene draws: palette, fonts,
// pictures and the first cellar.
bool StartGame() {
  platform::Options options;
  options.window = true;
  options.scale = 1;
  game::StageFileError error{};
  return platform::Init(options) &&
         platform::CreateMainWindow(app::WINDOW_TITLE, platform::DefWindowProcA) &&
         gfx::InitDisplay(gfx::SCREEN_WIDTH, gfx::SCREEN_HEIGHT) == 1 &&
         gfx::BuildColourTables("pal.bmp", "palfile.dat") &&
         (gfx::AllocateFontRecord(), gfx::InitFonts()) && app::LoadGraphics().empty() &&
         game::LoadStageFile(game::STAGE_FILE_PATH, game::StageSet, &error);
}

void PlayFrame(benchmark::State& state) {
  game::StartStage(0);
  for (auto _ : state) {
    game::DrawBoard();
    game::DrawPlayer(game::PlayerX, game::PlayerY, 0.0);
    game::DrawSidePanel();
    gfx::PresentFrame(0, 0);
  }
}
BENCHMARK(PlayFrame)->Unit(benchmark::kMicrosecond);

// A frame whose picture differs from the one before (the player half a cell
// apart on alternate frames): the changed rows are converted and the window is
// drawn again.
void PlayFrameChanging(benchmark::State& state) {
  game::StartStage(0);
  double t = 0.0;
  for (auto _ : state) {
    game::DrawBoard();
    game::DrawPlayer(game::PlayerX, game::PlayerY, t);
    game::DrawSidePanel();
    gfx::PresentFrame(0, 0);
    t = 0.5 - t;
  }
}
BENCHMARK(PlayFrameChanging)->Unit(benchmark::kMicrosecond);

// The two halves of the frame: the game's drawing into the 8-bit back buffer,
// and the picture converted to the display format and shown.
void PlayFrameDrawing(benchmark::State& state) {
  game::StartStage(0);
  for (auto _ : state) {
    game::DrawBoard();
    game::DrawPlayer(game::PlayerX, game::PlayerY, 0.0);
    game::DrawSidePanel();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PlayFrameDrawing)->Unit(benchmark::kMicrosecond);

void PlayFramePresent(benchmark::State& state) {
  game::StartStage(0);
  for (auto _ : state) gfx::PresentFrame(0, 0);
}
BENCHMARK(PlayFramePresent)->Unit(benchmark::kMicrosecond);

// The renderer's share of a changed frame: the window drawn again from the
// converted picture (clear, scaled copy, present), with no drawing or conversion.
void WindowRedraw(benchmark::State& state) {
  game::StartStage(0);
  gfx::PresentFrame(0, 0);
  for (auto _ : state) platform::core::RefreshDisplay();
}
BENCHMARK(WindowRedraw)->Unit(benchmark::kMicrosecond);

void DisplayBytesCopy(benchmark::State& state) {
  std::vector<uint8_t> from(DISPLAY_BYTES, 1), to(DISPLAY_BYTES);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), DISPLAY_BYTES);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(DISPLAY_BYTES));
}
BENCHMARK(DisplayBytesCopy)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (!StartGame()) {
    std::fprintf(stderr,
                 "frame_bench: cannot start the game here (needs a display and the run folder)\n");
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  platform::Shutdown();
  return 0;
}
