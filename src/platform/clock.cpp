// The millisecond clock since program start, real or virtual, and the waits on it.
#include <algorithm>
#include <chrono>
#include <vector>

#include "platform/core_internal.h"

namespace platform {
namespace {

using SteadyClock = std::chrono::steady_clock;

// Longest sleep between two looks at the window's events.
constexpr int32_t MAX_SLEEP_MS = 10;

SteadyClock::time_point ClockStart;
uint32_t VirtualNow = 0;
std::vector<ClockListener> Listeners;
IdleWork Idle = nullptr;

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

// The instant on the steady clock at which timeGetTime() first reads targetMs,
// taken from one reading of the clock so both sides agree on the millisecond.
SteadyClock::time_point InstantOf(uint32_t targetMs, SteadyClock::time_point now) {
  auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - ClockStart);
  auto left = static_cast<int32_t>(targetMs - static_cast<uint32_t>(elapsed.count()));
  return ClockStart + elapsed + std::chrono::milliseconds(left);
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
  // and those due by the target have arrived when it returns. The sleep ends at
  // the very instant the clock reaches the target (a wake-up is late by a small
  // fraction of a millisecond), so the wait ends on the same millisecond as a
  // busy wait would, without keeping a core busy.
  for (core::PumpEvents(); Remaining(targetMs) > 0; core::PumpEvents()) {
    if (Idle != nullptr) Idle(targetMs);
    auto now = SteadyClock::now();
    core::SleepUntil(
        std::min(InstantOf(targetMs, now), now + std::chrono::milliseconds(MAX_SLEEP_MS)));
  }
}

void IdlePoll() {
  if (IsHeadless()) {
    AdvanceVirtualClock(VirtualNow + 1);
    return;
  }
  if (Idle != nullptr) Idle(timeGetTime() + 1);
  core::SleepUntil(SteadyClock::now() + std::chrono::milliseconds(1));
  core::PumpEvents();
}

void AddClockListener(ClockListener listener) {
  Listeners.push_back(listener);
}

void SetIdleWork(IdleWork work) {
  Idle = work;
}

}  // namespace platform
