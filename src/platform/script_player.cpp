// Playing the input script: events happen as the clock passes their times, and a
// headless run is asked to close when its time is up (and given up on later).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/core_internal.h"

namespace platform::core {
namespace {

// How long a headless run may keep going after its close request.
constexpr uint32_t CLOSE_GRACE_MS = 10000;
// Without --until, the close request comes this long after the last event.
constexpr uint32_t DEFAULT_TAIL_MS = 30000;

std::vector<ScriptEvent> Events;
size_t NextEvent = 0;
uint32_t CloseRequestMs = DEFAULT_TAIL_MS;
bool CloseRequested = false;
ShotListener TakeShot = nullptr;

// a + b, held at the clock's last value instead of wrapping around.
uint32_t SaturatingAdd(uint32_t a, uint32_t b) {
  return a > UINT32_MAX - b ? UINT32_MAX : a + b;
}

// The headless run's own close request and, after the grace time, its end.
void CheckRunTime(uint32_t nowMs) {
  if (!CloseRequested && nowMs >= CloseRequestMs) {
    CloseRequested = true;
    PostMessageA(WM_CLOSE, 0, 0);
  }
  if (CloseRequested && nowMs >= SaturatingAdd(CloseRequestMs, CLOSE_GRACE_MS)) {
    std::fprintf(stderr, "vaulmoor: still running %u ms after the close request at %u ms\n",
                 CLOSE_GRACE_MS, CloseRequestMs);
    std::exit(3);
  }
}

void ApplyScriptEvent(const ScriptEvent& event) {
  switch (event.kind) {
    case ScriptEventKind::KeyDown:
    case ScriptEventKind::KeyUp:
      KeyChanged(event.vk, event.kind == ScriptEventKind::KeyDown);
      break;
    case ScriptEventKind::Joy:
      SetScriptedStick(event.x, event.y);
      break;
    case ScriptEventKind::ButtonDown:
    case ScriptEventKind::ButtonUp:
      SetScriptedButton(event.button, event.kind == ScriptEventKind::ButtonDown);
      break;
    case ScriptEventKind::Close:
      PostMessageA(WM_CLOSE, 0, 0);
      break;
    case ScriptEventKind::Activate:
      PostMessageA(WM_ACTIVATEAPP, 1, 0);
      break;
    case ScriptEventKind::Shot:
      if (TakeShot) TakeShot();
      break;
    case ScriptEventKind::Pointer:
      PostPointerMessage(event.message, event.pointerX, event.pointerY, event.wheel);
      break;
    case ScriptEventKind::Text:
      PostTypedText(event.text.c_str());
      break;
  }
}

}  // namespace

void ApplyDueScriptEvents(uint32_t nowMs) {
  for (; NextEvent < Events.size() && Events[NextEvent].timeMs <= nowMs; ++NextEvent)
    ApplyScriptEvent(Events[NextEvent]);
  if (IsHeadless()) CheckRunTime(nowMs);
}

uint32_t NextScriptStop(uint32_t nowMs, uint32_t targetMs) {
  uint32_t stop = targetMs;
  if (NextEvent < Events.size()) stop = std::min(stop, Events[NextEvent].timeMs);
  uint32_t runTimeStop =
      CloseRequested ? SaturatingAdd(CloseRequestMs, CLOSE_GRACE_MS) : CloseRequestMs;
  if (runTimeStop > nowMs) stop = std::min(stop, runTimeStop);
  return std::max(stop, nowMs);
}

bool StartScript(const Options& options) {
  Events.clear();
  NextEvent = 0;
  CloseRequested = false;
  std::string error;
  if (options.scriptPath && !LoadScript(options.scriptPath, &Events, &error)) {
    std::fprintf(stderr, "vaulmoor: %s\n", error.c_str());
    return false;
  }
  uint32_t lastEventMs = Events.empty() ? 0 : Events.back().timeMs;
  CloseRequestMs = options.hasUntil ? options.untilMs : SaturatingAdd(lastEventMs, DEFAULT_TAIL_MS);
  // Keys at time 0 are held before the window exists, so even a query made while
  // the window is created sees them.
  for (const ScriptEvent& event : Events)
    if (event.timeMs == 0 &&
        (event.kind == ScriptEventKind::KeyDown || event.kind == ScriptEventKind::KeyUp))
      SetMessageKeyState(event.vk, event.kind == ScriptEventKind::KeyDown);
  ApplyDueScriptEvents(0);
  return true;
}

}  // namespace platform::core

namespace platform {

void SetScriptedShotListener(ShotListener listener) {
  core::TakeShot = listener;
}

}  // namespace platform
