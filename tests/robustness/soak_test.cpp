// The soak: the program (in its allocation-counting build) played headless by
// random input from a fixed seed over many frames, through every scene. Nothing
// may crash, memory use may not grow, and no frame may allocate unless an input
// event or a change of scene gave it new work. VAULMOOR_SOAK_FRAMES sets the
// length (default 100000 frames; scripts/soak.sh runs a million).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t SEED = 20261210;
constexpr uint64_t DEFAULT_FRAMES = 100000;
// Frames run at 100 a second except while a scene blocks; the script allows for it.
constexpr uint32_t SCRIPT_MS_PER_FRAME = 16;
// Heap and resident memory may differ this much between the first and last samples.
constexpr long LIVE_BYTES_SLACK = 64 * 1024;
constexpr long RESIDENT_KB_SLACK = 2048;

uint64_t FramesWanted() {
  const char* setting = std::getenv("VAULMOOR_SOAK_FRAMES");
  return setting ? std::strtoull(setting, nullptr, 10) : DEFAULT_FRAMES;
}

// One cellar for random play: cheeses beside holes, some kept cold by snowmen
// (a good one clears the cellar, an unripe one fails it) and one rotten from the
// start. The last cellar wants more deliveries than it has cheeses, so random
// play never reaches the ending.
std::string RandomPlayStage(int32_t toDeliver) {
  return "5 5 " + std::to_string(toDeliver) +
         " 4\n0 1  2 2  4 5  1 1\n"
         "0 0 0 0 0 5 0 0 0\n"
         "0 0 0 4 0 0 0 0 0\n"
         "0 0 0 0 7 0 0 0 0\n"
         "0 0 3 8 0 9 3 0 0\n"
         "0 0 0 0 0 0 0 0 0\n"
         "0 0 3 0 0 0 3 10 0\n"
         "0 0 0 0 0 0 0 0 0\n"
         "0 4 0 0 0 0 0 5 0\n"
         "0 0 0 0 0 0 0 0 0\n";
}

std::string RandomPlayStages() {
  std::string text;
  for (int stage = 1; stage <= 31; ++stage) text += RandomPlayStage(1);
  return text + RandomPlayStage(11);
}

struct Event {
  uint32_t timeMs;
  std::string what;
};

// Random play after START: mostly walking and pushing, now and then the
// browser, giving up, a screenshot, the stick and buttons, and re-activation.
std::vector<Event> RandomInput(uint32_t seed, uint32_t fromMs, uint32_t untilMs) {
  std::mt19937 random(seed);
  auto below = [&random](uint32_t n) { return static_cast<uint32_t>(random() % n); };
  static const char* const DIRECTIONS[] = {"left", "right", "up", "down"};
  std::vector<Event> events;
  auto tap = [&events](uint32_t at, uint32_t held, const std::string& down, const std::string& up) {
    events.push_back({at, down});
    events.push_back({at + held, up});
  };
  int screenshots = 0;
  for (uint32_t t = fromMs; t < untilMs; t += 80 + below(500)) {
    const uint32_t roll = below(1000);
    if (roll < 900) {
      const std::string key = DIRECTIONS[below(4)];
      tap(t, 30 + below(250), "down " + key, "up " + key);
    } else if (roll < 915) {
      tap(t, 40, "down space", "up space");
    } else if (roll < 932) {
      tap(t, 40, "down q", "up q");
    } else if (roll < 937 && screenshots < 40) {
      ++screenshots;
      tap(t, 40, "down f9", "up f9");
    } else if (roll < 947) {
      events.push_back({t, "activate"});
    } else if (roll < 985) {
      tap(t, 50 + below(300),
          "joy " + std::to_string(below(65536)) + " " + std::to_string(below(65536)),
          "joy 32768 32768");
    } else {
      const std::string button = "button " + std::to_string(1 + below(2));
      tap(t, 40, button + " down", button + " up");
    }
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const Event& a, const Event& b) { return a.timeMs < b.timeMs; });
  return events;
}

std::string ScriptText(const std::vector<Event>& events) {
  std::string text;
  for (const Event& event : events) text += std::to_string(event.timeMs) + " " + event.what + "\n";
  return text;
}

// The figures the probe writes when the program ends.
struct SoakReport {
  uint64_t frames = 0;
  std::vector<int32_t> scenes;
  uint64_t allocatingFrames = 0;
  uint64_t frameAllocations = 0;
  long peakLiveBytes = 0, peakResidentKb = 0;
  struct Sample {
    uint64_t frame;
    long liveBytes, residentKb;
  };
  std::vector<Sample> samples;
  struct Allocating {
    uint64_t frame;
    uint32_t startMs, endMs;
    int32_t sceneStart, sceneAfter;
    uint64_t allocations;
  };
  std::vector<Allocating> allocating;
};

SoakReport ReadReport(const std::string& path) {
  SoakReport report;
  for (const std::string& line : testsupport::ReadLines(path)) {
    std::istringstream in(line);
    std::string key;
    in >> key;
    if (key == "frames") in >> report.frames;
    if (key == "scenes")
      for (int32_t s; in >> s;) report.scenes.push_back(s);
    if (key == "allocating_frames") in >> report.allocatingFrames;
    if (key == "frame_allocations") in >> report.frameAllocations;
    if (key == "peak_live_bytes") in >> report.peakLiveBytes;
    if (key == "peak_rss_kb") in >> report.peakResidentKb;
    if (key == "sample") {
      SoakReport::Sample s{};
      in >> s.frame >> s.liveBytes >> s.residentKb;
      report.samples.push_back(s);
    }
    if (key == "allocating") {
      SoakReport::Allocating a{};
      in >> a.frame >> a.startMs >> a.endMs >> a.sceneStart >> a.sceneAfter >> a.allocations;
      report.allocating.push_back(a);
    }
  }
  return report;
}

// Runs the soak build in a fresh run folder; returns its report.
SoakReport RunSoak(const std::string& name, const std::string& stages, const std::string& save,
                   const std::vector<Event>& events, int* exitStatus) {
  testsupport::Fixtures fixtures;
  fixtures.stageText = stages;
  const std::string folder = testsupport::MakeRunFolder(name, fixtures);
  fs::copy_file(VAULMOOR_SOAK_PROGRAM, folder + "vaulmoor", fs::copy_options::overwrite_existing);
  if (!save.empty()) robustness::PutFile(folder + "data/save.dat", save);
  const testsupport::RunResult run = testsupport::RunHeadless(folder, ScriptText(events));
  *exitStatus = run.exitStatus;
  EXPECT_EQ(run.err.find("ERROR"), std::string::npos) << run.err;
  return ReadReport(folder + "soak-report.txt");
}

// A frame may allocate when it had something new to do: an input event arrived
// during it or the frame before, or it changed the scene.
void ExpectAllocationsExplained(const SoakReport& report, const std::vector<Event>& events) {
  int unexplained = 0;
  for (const SoakReport::Allocating& frame : report.allocating) {
    if (frame.frame <= 2 || frame.sceneStart != frame.sceneAfter) continue;
    const auto first =
        std::upper_bound(events.begin(), events.end(), frame.startMs > 20 ? frame.startMs - 20 : 0,
                         [](uint32_t t, const Event& e) { return t < e.timeMs; });
    if (first != events.end() && first->timeMs <= frame.endMs) continue;
    if (++unexplained <= 10)
      ADD_FAILURE() << "frame " << frame.frame << " in scene " << frame.sceneStart << " at "
                    << frame.startMs << " ms made " << frame.allocations
                    << " heap allocations with no new input";
  }
  EXPECT_EQ(unexplained, 0);
}

// Memory in use once play is under way (the second sample) against every later
// sample of the run.
void ExpectNoGrowth(const SoakReport& report) {
  ASSERT_GE(report.samples.size(), 3u) << "too few memory samples";
  const SoakReport::Sample& settled = report.samples[1];
  for (const SoakReport::Sample& later : report.samples) {
    if (later.frame <= settled.frame) continue;
    EXPECT_LE(later.liveBytes, settled.liveBytes + LIVE_BYTES_SLACK)
        << "heap in use grew from frame " << settled.frame << " to " << later.frame;
#ifndef ROBUSTNESS_SANITIZED
    // (The address sanitizer holds freed memory back for a while, so the
    // resident size of its build grows whatever the program does.)
    EXPECT_LE(later.residentKb, settled.residentKb + RESIDENT_KB_SLACK)
        << "resident memory grew from frame " << settled.frame << " to " << later.frame;
#endif
  }
}

long PeakResidentKb(const SoakReport& report) {
  long peak = report.peakResidentKb;
  for (const SoakReport::Sample& s : report.samples) peak = std::max(peak, s.residentKb);
  return peak;
}

TEST(Soak, RandomPlayThroughEveryScene) {
  const uint64_t frames = FramesWanted();
  const uint32_t playUntil = static_cast<uint32_t>(frames * SCRIPT_MS_PER_FRAME) + 5000;

  // The long run: START, then random play on cellars that random play can clear
  // except the last.
  // The stick is attached, centred, before start-up calibration.
  std::vector<Event> play = {{0, "joy 32768 32768"}, {3000, "down space"}, {3040, "up space"}};
  for (const Event& event : RandomInput(SEED, 3500, playUntil)) play.push_back(event);
  // The close request, then a Space press in case the browser is waiting for
  // one (a key wait takes no messages, so the close could not be seen).
  play.push_back({playUntil + 3000, "close"});
  play.push_back({playUntil + 4000, "down space"});
  play.push_back({playUntil + 4040, "up space"});
  int playStatus = -1;
  const SoakReport long_run = RunSoak("soak_play", RandomPlayStages(), "", play, &playStatus);

  // The ending: CONTINUE at the last cellar, cleared by its first move, then
  // random input without Space for a while, and Space to end.
  std::string stages = RandomPlayStages();
  stages = stages.substr(0, stages.rfind("5 5 ")) + robustness::OpenFloorStages().substr(0, 170);
  std::vector<Event> ending = {{3000, "down down"}, {3040, "up down"}, {3500, "down space"},
                               {3540, "up space"},  {6500, "down up"}, {6540, "up up"}};
  for (const Event& event : RandomInput(SEED + 1, 9000, 60000))
    if (event.what.find("space") == std::string::npos) ending.push_back(event);
  ending.push_back({61000, "down space"});
  int endingStatus = -1;
  const SoakReport ending_run =
      RunSoak("soak_ending", stages, testsupport::SaveText(31), ending, &endingStatus);

  EXPECT_EQ(playStatus, robustness::EXIT_CLOSED);
  EXPECT_EQ(endingStatus, robustness::EXIT_CLOSED);
  EXPECT_GE(long_run.frames, frames);
  std::vector<int32_t> scenes = long_run.scenes;
  scenes.insert(scenes.end(), ending_run.scenes.begin(), ending_run.scenes.end());
  std::sort(scenes.begin(), scenes.end());
  scenes.erase(std::unique(scenes.begin(), scenes.end()), scenes.end());
  EXPECT_EQ(scenes, (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 9}));
  ExpectAllocationsExplained(long_run, play);
  ExpectAllocationsExplained(ending_run, ending);
  ExpectNoGrowth(long_run);

  std::ostringstream figures;
  figures << "frames " << long_run.frames << " + " << ending_run.frames << ", scenes";
  for (int32_t s : scenes) figures << " " << s;
  figures << ", allocating frames " << long_run.allocatingFrames << " + "
          << ending_run.allocatingFrames << ", peak heap " << long_run.peakLiveBytes
          << " bytes, peak resident " << PeakResidentKb(long_run) << " kB";
  const SoakReport::Sample& settled = long_run.samples.at(1);
  const SoakReport::Sample& last = long_run.samples.back();
  figures << "; heap " << settled.liveBytes << " bytes and resident " << settled.residentKb
          << " kB at frame " << settled.frame << ", " << last.liveBytes << " bytes and "
          << last.residentKb << " kB at frame " << last.frame;
  RecordProperty("figures", figures.str());
  std::printf("soak: %s\n", figures.str().c_str());
}

}  // namespace
