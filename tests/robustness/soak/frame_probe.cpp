// The soak build's frame probe: the link wraps the scene dispatcher, so every
// frame passes through here. It counts frames, notes the scenes seen and the heap
// allocations each frame made, samples memory use, and writes the figures to the
// file named by VAULMOOR_SOAK_REPORT (default soak-report.txt) when the program ends.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "game/scenes.h"
#include "platform/platform.h"

extern "C" void __real__ZN4game13DispatchSceneEv();

namespace soak {
namespace {

constexpr uint64_t SAMPLE_EVERY_FRAMES = 10000;
// Allocating frames are rare events in a sound program; the list stops growing
// (and says so) if they are not.
constexpr size_t ALLOCATING_FRAMES_KEPT = 100000;
constexpr int32_t SCENE_COUNT = 10;

struct AllocatingFrame {
  uint64_t frame;
  uint32_t startMs, endMs;         // the frame's start and the next frame's start
  int32_t sceneStart, sceneAfter;  // GameState as the frame began and after it
  uint64_t allocations;
};

struct Sample {
  uint64_t frame;
  size_t liveBytes;
  long residentKb;
};

uint64_t Frames = 0;
uint64_t AllocationsBefore = 0;  // the count when the last frame began
int32_t LastScene = -1;          // GameState when the last frame began
uint32_t LastFrameTime = 0;      // the clock when the last frame began
uint64_t FramesByScene[SCENE_COUNT] = {};
uint64_t AllocatingFramesByScene[SCENE_COUNT] = {};
uint64_t AllocatingFrames = 0;
uint64_t FrameAllocations = 0;
std::vector<AllocatingFrame>* Examples = nullptr;
std::vector<Sample>* Samples = nullptr;

// A figure of /proc/self/status in kilobytes ("VmRSS", "VmHWM"); -1 when absent.
long StatusKb(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field + ":", 0) == 0)
      return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
  return -1;
}

// Charges the allocations since the last frame began to that frame.
void CloseFrame() {
  const uint64_t made = AllocationCount() - AllocationsBefore;
  if (made == 0 || LastScene < 0) return;
  ++AllocatingFrames;
  FrameAllocations += made;
  if (LastScene < SCENE_COUNT) ++AllocatingFramesByScene[LastScene];
  if (Examples->size() < ALLOCATING_FRAMES_KEPT) {
    PauseCounting();
    Examples->push_back(
        {Frames, LastFrameTime, platform::timeGetTime(), LastScene, game::GameState, made});
    ResumeCounting();
  }
}

void TakeSample() {
  PauseCounting();
  Samples->push_back({Frames, LiveBytes(), StatusKb("VmRSS")});
  ResumeCounting();
}

void WriteReport() {
  CloseFrame();
  PauseCounting();
  const char* path = std::getenv("VAULMOOR_SOAK_REPORT");
  std::FILE* out = std::fopen(path ? path : "soak-report.txt", "w");
  if (!out) return;
  std::fprintf(out, "frames %llu\n", static_cast<unsigned long long>(Frames));
  std::fprintf(out, "virtual_ms %u\n", platform::timeGetTime());
  std::fprintf(out, "scenes");
  for (int32_t s = 0; s < SCENE_COUNT; ++s)
    if (FramesByScene[s] > 0) std::fprintf(out, " %d", s);
  std::fprintf(out, "\nframes_by_scene");
  for (int32_t s = 0; s < SCENE_COUNT; ++s)
    std::fprintf(out, " %llu", static_cast<unsigned long long>(FramesByScene[s]));
  std::fprintf(out, "\nallocating_frames %llu\n",
               static_cast<unsigned long long>(AllocatingFrames));
  std::fprintf(out, "frame_allocations %llu\n", static_cast<unsigned long long>(FrameAllocations));
  std::fprintf(out, "allocating_frames_by_scene");
  for (int32_t s = 0; s < SCENE_COUNT; ++s)
    std::fprintf(out, " %llu", static_cast<unsigned long long>(AllocatingFramesByScene[s]));
  std::fprintf(out, "\npeak_live_bytes %zu\n", PeakLiveBytes());
  std::fprintf(out, "peak_rss_kb %ld\n", StatusKb("VmHWM"));
  for (const Sample& s : *Samples)
    std::fprintf(out, "sample %llu %zu %ld\n", static_cast<unsigned long long>(s.frame),
                 s.liveBytes, s.residentKb);
  for (const AllocatingFrame& a : *Examples)
    std::fprintf(out, "allocating %llu %u %u %d %d %llu\n",
                 static_cast<unsigned long long>(a.frame), a.startMs, a.endMs, a.sceneStart,
                 a.sceneAfter, static_cast<unsigned long long>(a.allocations));
  std::fclose(out);
}

// Set up before main, so that the report is written however the program ends
// (the ending scene leaves through exit).
const bool Registered = [] {
  PauseCounting();
  Examples = new std::vector<AllocatingFrame>;
  Samples = new std::vector<Sample>;
  Samples->reserve(1024);
  ResumeCounting();
  std::atexit(WriteReport);
  return true;
}();

void OnFrame() {
  CloseFrame();
  ++Frames;
  if (Frames % SAMPLE_EVERY_FRAMES == 0) TakeSample();
  LastScene = game::GameState;
  LastFrameTime = platform::timeGetTime();
  if (LastScene >= 0 && LastScene < SCENE_COUNT) ++FramesByScene[LastScene];
  AllocationsBefore = AllocationCount();
}

}  // namespace
}  // namespace soak

// The linker sends the shell's calls of game::DispatchScene here (--wrap).
extern "C" void __wrap__ZN4game13DispatchSceneEv() {
  soak::OnFrame();
  __real__ZN4game13DispatchSceneEv();
}
