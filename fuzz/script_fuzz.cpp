// Fuzz target: the input script reader of scripted runs.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/platform.h"
#include "platform/script.h"

namespace {

bool SameEvents(const std::vector<platform::ScriptEvent>& a,
                const std::vector<platform::ScriptEvent>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].timeMs != b[i].timeMs || a[i].kind != b[i].kind || a[i].vk != b[i].vk ||
        a[i].x != b[i].x || a[i].y != b[i].y || a[i].button != b[i].button ||
        a[i].message != b[i].message || a[i].pointerX != b[i].pointerX ||
        a[i].pointerY != b[i].pointerY || a[i].wheel != b[i].wheel || a[i].text != b[i].text)
      return false;
  return true;
}

void CheckEvents(const std::vector<platform::ScriptEvent>& events) {
  using platform::ScriptEventKind;
  for (size_t i = 0; i < events.size(); ++i) {
    const platform::ScriptEvent& event = events[i];
    if (i > 0) fuzz::Require(event.timeMs >= events[i - 1].timeMs, "times never go backwards");
    switch (event.kind) {
      case ScriptEventKind::KeyDown:
      case ScriptEventKind::KeyUp:
        fuzz::Require(event.vk > 0 && event.vk < 256, "keys are virtual-key codes");
        break;
      case ScriptEventKind::Joy:
        fuzz::Require(event.x <= 65535 && event.y <= 65535, "stick positions 0..65535");
        break;
      case ScriptEventKind::ButtonDown:
      case ScriptEventKind::ButtonUp:
        fuzz::Require(event.button >= 1 && event.button <= 32, "buttons 1..32");
        break;
      case ScriptEventKind::Pointer:
        fuzz::Require(event.message >= platform::WM_MOUSEMOVE &&
                          event.message <= platform::WM_MOUSEWHEEL && event.pointerX >= INT16_MIN &&
                          event.pointerX <= INT16_MAX && event.pointerY >= INT16_MIN &&
                          event.pointerY <= INT16_MAX,
                      "mouse messages at places a window could report");
        break;
      case ScriptEventKind::Text:
        fuzz::Require(!event.text.empty() && event.text.find('\n') == std::string::npos,
                      "typed text of one line");
        break;
      case ScriptEventKind::Close:
      case ScriptEventKind::Activate:
      case ScriptEventKind::Shot:
        break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::ScratchPath("script.txt");
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<platform::ScriptEvent> parsed;
  std::string parseError;
  const bool accepted = platform::ParseScript(text, path, &parsed, &parseError);
  CheckEvents(parsed);
  if (!accepted)
    fuzz::Require(parseError.rfind(path + ":", 0) == 0, "a refusal names the file and line");

  fuzz::WriteScratchFile(path, data, size);
  std::vector<platform::ScriptEvent> loaded;
  std::string loadError;
  fuzz::Require(platform::LoadScript(path.c_str(), &loaded, &loadError) == accepted,
                "file and memory readers agree");
  fuzz::Require(loadError == parseError && SameEvents(loaded, parsed), "with the same result");
  return 0;
}
