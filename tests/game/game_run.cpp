// Headless runs of the whole game for the game's tests.
#include "game_run.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <utility>
#include <vector>

#include "support/script_text.h"
#include "support/stage_text.h"

namespace game_run {

using game_test::CellarPicture;
using game_test::StageBlock;
using game_test::StageFile;
using testsupport::Tap;

std::string Screenshot(const std::string& folder, size_t n) {
  return testsupport::ReadFile(testsupport::ScreenshotPath(folder, n));
}

bool SameRegion(const std::string& a, const std::string& b, int left, int top, int right,
                int bottom) {
  constexpr size_t kPixels = 1078;
  if (a.size() != kPixels + 320 * 240 || b.size() != a.size()) return false;
  for (int y = top; y < bottom; ++y) {
    size_t row = kPixels + static_cast<size_t>(239 - y) * 320;
    if (a.compare(row + left, right - left, b, row + left, right - left) != 0) return false;
  }
  return true;
}

bool SamePicture(const std::string& a, const std::string& b) {
  return SameRegion(a, b, 0, 0, 320, 240);
}

Played RunGame(const std::string& name, const std::string& stageText, const std::string& script,
               const char* save) {
  testsupport::Fixtures fixtures;
  fixtures.stageText = stageText;
  Played run{testsupport::MakeRunFolder("game_" + name, fixtures), {}};
  if (save != nullptr) {
    std::FILE* file = std::fopen((run.folder + "data/save.dat").c_str(), "w");
    std::fputs(save, file);
    std::fclose(file);
  }
  run.result =
      testsupport::RunHeadless(run.folder, script, {"--until", "60000", "--trace", "trace.txt"});
  return run;
}

std::string TwoDeliveriesStage(int firstWeek) {
  CellarPicture picture{{"..0o....L", "@........", "..1o....L", ".........", ".........",
                         ".........", ".........", ".........", "........."},
                        1,
                        {{4, firstWeek}, {4, 6}}};
  return StageFile({StageBlock(picture)});
}

std::string DeliverFirst(int at) {
  return Tap(at, "up", 100) + Tap(at + 500, "right", 100) + Tap(at + 1000, "right", 100);
}

std::string DeliverSecond(int at) {
  return Tap(at, "down", 100) + Tap(at + 500, "right", 100) + Tap(at + 1000, "right", 100);
}

std::string Button(int ms, int n) {
  return std::to_string(ms) + " button " + std::to_string(n) + " down\n" + std::to_string(ms + 50) +
         " button " + std::to_string(n) + " up\n";
}

std::string InTimeOrder(const std::string& lines) {
  std::vector<std::pair<long, std::string>> timed;
  std::istringstream in(lines);
  for (std::string line; std::getline(in, line);) timed.emplace_back(std::stol(line), line);
  std::stable_sort(timed.begin(), timed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string ordered;
  for (const auto& [ms, line] : timed) ordered += line + "\n";
  return ordered;
}

std::string Shot(int ms) {
  return Tap(ms, "f9");
}

}  // namespace game_run
