// The millisecond clock since program start, real or virtual, and the waits on it.
#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/core_internal.h"

namespace platform {
namespace {

using SteadyClock = std::chrono::steady_clock;

// Real waits sleep until this close to their target and poll the clock after that.
constexpr int32_t SPIN_MARGIN_MS = 2;
// Longest sleep between two looks at the window's events.
constexpr int32_t MAX_SLEEP_MS = 10;

SteadyClock::time_point ClockStart;
uint32_t VirtualNow = 0;
std::vector<ClockListener> Listeners;

// Moves the virtual clock forward to target, stopping at every script event and
// run-time limit on the way so that each happens at its own time.
void AdvanceVirtualClock(uint32_t targetMs) {
  while (VirtualNow != targetMs) {
    VirtualNow = core::NextScriptStop(VirtualNow, targetMs);
    for (ClockListener listener : Listeners) listener(VirtualNow);
    core::ApplyDueScriptEvents(VirtualNow);
  }
}

// Milliseconds still to go until target, negative or zero once it has passed.
int32_t Remaining(uint32_t targetMs) {
  return static_cast<int32_t>(targetMs - timeGetTime());
}

}  // namespace

namespace core {
void StartClock() {
  ClockStart = SteadyClock::now();
  VirtualNow = 0;
}
}  // namespace core

uint32_t timeGetTime() {
  if (IsHeadless()) return VirtualNow;
  auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - ClockStart);
  return static_cast<uint32_t>(elapsed.count());
}

void WaitUntil(uint32_t targetMs) {
  if (IsHeadless()) {
    if (Remaining(targetMs) > 0) AdvanceVirtualClock(targetMs);
    return;
  }
  // Events keep arriving during the wait (the immediate key state stays current),
  // and those due by the target have arrived when it returns.
  for (core::PumpEvents(); Remaining(targetMs) > 0; core::PumpEvents()) {
    int32_t left = Remaining(targetMs);
    if (left > SPIN_MARGIN_MS)
      std::this_thread::sleep_for(
          std::chrono::milliseconds(std::min(left - SPIN_MARGIN_MS, MAX_SLEEP_MS)));
    else
      std::this_thread::yield();
  }
}

void IdlePoll() {
  if (IsHeadless()) {
    AdvanceVirtualClock(VirtualNow + 1);
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(1));
  core::PumpEvents();
}

void AddClockListener(ClockListener listener) {
  Listeners.push_back(listener);
}

}  // namespace platform
