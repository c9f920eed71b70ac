// Times the hint search from every position along the kept solutions and from random walks
// of each stage, cold (nothing remembered), and measures the heap one search needs; then the
// same for a position far larger than our cellars, which meets the state limit.
// Usage: hint_bench [WALKS_PER_STAGE [STAGE_FILE [SOLUTIONS]]]
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "game/hint.h"
#include "game/rules.h"
#include "game/solver.h"
#include "game/stage_file.h"
#include "solver/playthrough.h"
#include "solver/position_walks.h"

// ---- Heap in use, with its peak, from every allocation of this program -------------------

namespace {

std::atomic<int64_t> HeapInUse{0};
std::atomic<int64_t> HeapPeak{0};

void* Counted(void* p) {
  if (p == nullptr) throw std::bad_alloc();
  int64_t now = HeapInUse += static_cast<int64_t>(malloc_usable_size(p));
  for (int64_t peak = HeapPeak; now > peak && !HeapPeak.compare_exchange_weak(peak, now);) {
  }
  return p;
}

void* Allocate(size_t size) {
  return Counted(std::malloc(size == 0 ? 1 : size));
}

// For types aligned beyond malloc's guarantee, such as the solver's nodes.
void* AllocateAligned(size_t size, std::align_val_t alignment) {
  size_t align = static_cast<size_t>(alignment);
  return Counted(
      std::aligned_alloc(align, (std::max<size_t>(size, 1) + align - 1) / align * align));
}

void Release(void* p) {
  if (p == nullptr) return;
  HeapInUse -= static_cast<int64_t>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

void* operator new(size_t size) {
  return Allocate(size);
}
void* operator new[](size_t size) {
  return Allocate(size);
}
void operator delete(void* p) noexcept {
  Release(p);
}
void operator delete[](void* p) noexcept {
  Release(p);
}
void operator delete(void* p, size_t) noexcept {
  Release(p);
}
void operator delete[](void* p, size_t) noexcept {
  Release(p);
}
void* operator new(size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
}
void* operator new[](size_t size, std::align_val_t alignment) {
  return AllocateAligned(size, alignment);
}
void operator delete(void* p, std::align_val_t) noexcept {
  Release(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
  Release(p);
}
void operator delete(void* p, size_t, std::align_val_t) noexcept {
  Release(p);
}
void operator delete[](void* p, size_t, std::align_val_t) noexcept {
  Release(p);
}

namespace {

using Clock = std::chrono::steady_clock;

// CPU time of this thread, in ms: the search's own cost, whatever else the machine runs.
double ThreadCpuMs() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

struct Measure {
  double ms;     // wall time
  double cpuMs;  // CPU time
  int64_t states;
  int64_t heapBytes;  // the most heap the search held above what was in use before it
  game::HintStatus status;
};

// One cold search from here.
Measure MeasureSearch(const game::Position& here) {
  int64_t before = HeapInUse;
  HeapPeak = before;
  auto start = Clock::now();
  double cpuStart = ThreadCpuMs();
  game::HintResult result = game::SolvePosition(here, game::HINT_STATE_LIMIT);
  double cpuMs = ThreadCpuMs() - cpuStart;
  double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  return Measure{ms, cpuMs, result.statesExplored, HeapPeak - before, result.status};
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  size_t rank = static_cast<size_t>(p * static_cast<double>(values.size()) + 0.999999);
  return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

// An open cellar chilled all over by a column of line snowmen, with ten cheeses that ripen
// only after six weeks, all due through one hole: far more positions than any of our
// cellars, so the search stops at its limit.
game::StageRecord HugeStage() {
  game::StageRecord huge{};
  for (int32_t x = 0; x < game::BOARD_SIZE; ++x) {
    for (int32_t y = 0; y < game::BOARD_SIZE; ++y) {
      bool border = x == 0 || y == 0 || x == game::BOARD_SIZE - 1 || y == game::BOARD_SIZE - 1;
      huge.grid[x][y] = border   ? game::CELL_WALL_TOP
                        : x == 1 ? game::CELL_SNOWMAN_LINE
                                 : game::CELL_FLOOR;
    }
  }
  huge.grid[5][5] = game::CELL_HOLE;
  huge.cheeseCount = huge.toDeliver = game::MAX_CHEESES;
  for (int32_t k = 0; k < game::MAX_CHEESES; ++k) {
    huge.cheeses[k] = {1, 10};
    huge.grid[3 + k % 5][3 + 4 * (k / 5)] = game::CELL_CHEESE_FIRST + k;
  }
  huge.startX = 9;
  huge.startY = 9;
  return huge;
}

}  // namespace

int main(int argc, char** argv) {
  int walks = argc > 1 ? std::atoi(argv[1]) : 1000;
  const char* stagePath = argc > 2 ? argv[2] : VAULMOOR_SOURCE_DIR "/data/stage.dat";
  std::string solutionsPath =
      argc > 3 ? argv[3] : VAULMOOR_SOURCE_DIR "/tools/stages/solutions.txt";
  game::StageFileError error;
  if (!game::LoadStageFile(stagePath, game::StageSet, &error)) {
    std::fprintf(stderr, "%s\n", error.text);
    return 2;
  }
  std::vector<std::string> kept;
  std::string why;
  if (!tools::ReadSolutions(solutionsPath, &kept, &why)) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 2;
  }

  std::printf(
      "stage  positions  found  lost  no-hint   p50 ms   p95 ms   max ms  p95 cpu  max cpu  "
      "max states  max MB\n");
  std::vector<double> all, allCpu;
  Measure worst{0, 0, 0, 0, game::HintStatus::Found};
  int64_t mostHeap = 0;
  for (int32_t s = 0; s < game::STAGE_COUNT; ++s) {
    std::vector<Measure> measures;
    for (size_t done = 0; done < kept[s].size(); ++done) {
      measures.push_back(
          MeasureSearch(tools::AfterMoves(game::StageSet[s], kept[s].substr(0, done))));
    }
    std::mt19937 random(static_cast<uint32_t>(s + 1));
    for (int w = 0; w < walks; ++w) {
      // From 1 to twice the kept solution's moves.
      size_t steps = 1 + random() % (2 * kept[s].size());
      measures.push_back(MeasureSearch(tools::RandomWalk(game::StageSet[s], steps, &random).end));
    }
    std::vector<double> times, cpuTimes;
    int counts[3] = {0, 0, 0};
    int64_t states = 0, heap = 0;
    for (const Measure& m : measures) {
      times.push_back(m.ms);
      cpuTimes.push_back(m.cpuMs);
      ++counts[static_cast<int>(m.status)];
      states = std::max(states, m.states);
      heap = std::max(heap, m.heapBytes);
      if (m.ms > worst.ms) worst = m;
    }
    all.insert(all.end(), times.begin(), times.end());
    allCpu.insert(allCpu.end(), cpuTimes.begin(), cpuTimes.end());
    mostHeap = std::max(mostHeap, heap);
    std::printf("%5d  %9zu  %5d  %4d  %7d  %7.2f  %7.2f  %7.1f  %7.2f  %7.1f  %10lld  %6.1f\n",
                s + 1, measures.size(), counts[0], counts[1], counts[2], Percentile(times, 0.5),
                Percentile(times, 0.95), Percentile(times, 1.0), Percentile(cpuTimes, 0.95),
                Percentile(cpuTimes, 1.0), static_cast<long long>(states), heap / 1048576.0);
    std::fflush(stdout);
  }
  std::printf(
      "all %zu positions: p50 %.2f ms, p95 %.2f ms, max %.1f ms (%lld states); CPU p95 %.2f ms, "
      "max %.1f ms; most heap in one search %.1f MB\n",
      all.size(), Percentile(all, 0.5), Percentile(all, 0.95), Percentile(all, 1.0),
      static_cast<long long>(worst.states), Percentile(allCpu, 0.95), Percentile(allCpu, 1.0),
      mostHeap / 1048576.0);

  Measure huge = MeasureSearch(game::StageStart(HugeStage()));
  std::printf(
      "a cellar far larger than ours: %s after %lld states in %.1f ms (CPU %.1f ms), "
      "heap %.1f MB\n",
      huge.status == game::HintStatus::Undecided ? "no hint"
      : huge.status == game::HintStatus::Lost    ? "lost"
                                                 : "found",
      static_cast<long long>(huge.states), huge.ms, huge.cpuMs, huge.heapBytes / 1048576.0);
  return 0;
}
