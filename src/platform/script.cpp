// Reading the input script of scripted runs: "TIME EVENT" lines, '#' comments.
#include "platform/script.h"

#include <charconv>
#include <sstream>

#include "platform/platform.h"
#include "platform/whole_file.h"

namespace platform {
namespace {

// A whole token as an unsigned decimal number no larger than limit.
bool ParseNumber(const std::string& token, uint64_t limit, uint64_t* value) {
  if (token.empty()) return false;
  const char* end = token.data() + token.size();
  auto [ptr, ec] = std::from_chars(token.data(), end, *value);
  return ec == std::errc() && ptr == end && *value <= limit;
}

std::vector<std::string> SplitWords(const std::string& line) {
  std::istringstream stream(line.substr(0, line.find('#')));
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

// A whole token as a signed decimal number within -limit..limit.
bool ParseSigned(const std::string& token, int32_t limit, int32_t* value) {
  const bool negative = !token.empty() && token[0] == '-';
  uint64_t magnitude = 0;
  if (!ParseNumber(negative ? token.substr(1) : token, uint64_t(limit), &magnitude)) return false;
  *value = static_cast<int32_t>(negative ? -int64_t(magnitude) : int64_t(magnitude));
  return true;
}

// "X Y" of the picture in words w[2] and w[3]: any place a window could report.
bool ParsePlace(const std::vector<std::string>& w, ScriptEvent* event) {
  return ParseSigned(w[2], INT16_MAX, &event->pointerX) &&
         ParseSigned(w[3], INT16_MAX, &event->pointerY);
}

// mouse X Y, press X Y BUTTON, release X Y BUTTON, wheel X Y NOTCHES.
std::string ParsePointerEvent(const std::vector<std::string>& w, ScriptEvent* event) {
  const std::string& name = w[1];
  event->kind = ScriptEventKind::Pointer;
  if (name == "mouse") {
    if (w.size() != 4 || !ParsePlace(w, event)) return "expected 'mouse X Y'";
    event->message = WM_MOUSEMOVE;
    return "";
  }
  if (name == "wheel") {
    int32_t notches = 0;
    if (w.size() != 5 || !ParsePlace(w, event) || !ParseSigned(w[4], 100, &notches))
      return "expected 'wheel X Y N' with N in -100..100";
    event->message = WM_MOUSEWHEEL;
    event->wheel = notches * WHEEL_DELTA;
    return "";
  }
  const bool press = name == "press";
  if (w.size() != 5 || !ParsePlace(w, event) || (w[4] != "left" && w[4] != "right"))
    return "expected '" + name + " X Y left' or '" + name + " X Y right'";
  if (w[4] == "left")
    event->message = press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
  else
    event->message = press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
  return "";
}

// Fills event from the words after the time; returns the problem, or "" when valid.
std::string ParseEvent(const std::vector<std::string>& w, ScriptEvent* event) {
  const std::string& name = w[1];
  if (name == "mouse" || name == "press" || name == "release" || name == "wheel")
    return ParsePointerEvent(w, event);
  if (name == "down" || name == "up") {
    if (w.size() != 3) return "expected '" + name + " KEY'";
    event->vk = ScriptKeyCode(w[2]);
    if (event->vk == 0) return "unknown key '" + w[2] + "'";
    event->kind = name == "down" ? ScriptEventKind::KeyDown : ScriptEventKind::KeyUp;
    return "";
  }
  if (name == "joy") {
    uint64_t x = 0, y = 0;
    if (w.size() != 4 || !ParseNumber(w[2], 65535, &x) || !ParseNumber(w[3], 65535, &y))
      return "expected 'joy X Y' with X and Y in 0..65535";
    event->kind = ScriptEventKind::Joy;
    event->x = static_cast<uint32_t>(x);
    event->y = static_cast<uint32_t>(y);
    return "";
  }
  if (name == "button") {
    uint64_t n = 0;
    if (w.size() != 4 || !ParseNumber(w[2], 32, &n) || n < 1 || (w[3] != "down" && w[3] != "up"))
      return "expected 'button N down' or 'button N up' with N in 1..32";
    event->kind = w[3] == "down" ? ScriptEventKind::ButtonDown : ScriptEventKind::ButtonUp;
    event->button = static_cast<int>(n);
    return "";
  }
  const struct {
    const char* name;
    ScriptEventKind kind;
  } bare[] = {{"close", ScriptEventKind::Close},
              {"activate", ScriptEventKind::Activate},
              {"shot", ScriptEventKind::Shot}};
  for (const auto& form : bare) {
    if (name != form.name) continue;
    if (w.size() != 2) return "unexpected words after '" + name + "'";
    event->kind = form.kind;
    return "";
  }
  return "unknown event '" + name + "'";
}

// text WORDS: everything after "text " to the end of the line, '#' and blanks included.
std::string ParseText(const std::string& line, ScriptEvent* event) {
  const std::string keyword = "text ";
  const size_t at = line.find(keyword);
  if (at == std::string::npos || at + keyword.size() == line.size()) return "expected 'text WORDS'";
  event->kind = ScriptEventKind::Text;
  event->text = line.substr(at + keyword.size());
  if (!event->text.empty() && event->text.back() == '\r') event->text.pop_back();
  return "";
}

}  // namespace

int ScriptKeyCode(const std::string& name) {
  static const struct {
    const char* name;
    int vk;
  } kNamed[] = {{"left", VK_LEFT},       {"right", VK_RIGHT},      {"up", VK_UP},
                {"down", VK_DOWN},       {"space", VK_SPACE},      {"esc", VK_ESCAPE},
                {"f9", VK_F9},           {"f10", VK_F10},          {"return", VK_RETURN},
                {"backspace", VK_BACK},  {"tab", VK_TAB},          {"pageup", VK_PRIOR},
                {"pagedown", VK_NEXT},   {"home", VK_HOME},        {"end", VK_END},
                {"delete", VK_DELETE},   {"plus", VK_OEM_PLUS},    {"minus", VK_OEM_MINUS},
                {"comma", VK_OEM_COMMA}, {"period", VK_OEM_PERIOD}};
  for (const auto& key : kNamed)
    if (name == key.name) return key.vk;
  if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return name[0] - 'a' + 'A';
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return name[0];
  return 0;
}

bool ParseScript(const std::string& text, const std::string& fileName,
                 std::vector<ScriptEvent>* events, std::string* error) {
  std::istringstream stream(text);
  uint32_t lastTime = 0;
  int lineNumber = 0;
  for (std::string line; std::getline(stream, line);) {
    ++lineNumber;
    std::vector<std::string> words = SplitWords(line);
    if (words.empty()) continue;
    auto fail = [&](const std::string& what) {
      *error = fileName + ":" + std::to_string(lineNumber) + ": " + what;
      return false;
    };
    uint64_t time = 0;
    if (!ParseNumber(words[0], UINT32_MAX, &time)) return fail("bad time '" + words[0] + "'");
    if (time < lastTime) return fail("time goes backwards");
    if (words.size() < 2) return fail("missing event");
    ScriptEvent event;
    event.timeMs = lastTime = static_cast<uint32_t>(time);
    std::string problem = words[1] == "text" ? ParseText(line, &event) : ParseEvent(words, &event);
    if (!problem.empty()) return fail(problem);
    events->push_back(event);
  }
  return true;
}

bool LoadScript(const char* path, std::vector<ScriptEvent>* events, std::string* error) {
  // A script of a million events is a few megabytes; a file beyond this limit is
  // refused rather than read into memory.
  constexpr size_t MAX_SCRIPT_BYTES = 64 << 20;
  std::string text, problem;
  if (ReadWholeFile(path, MAX_SCRIPT_BYTES, &text, &problem) != WholeFile::Read) {
    *error = std::string(path) + ": the script " + problem;
    return false;
  }
  return ParseScript(text, path, events, error);
}

}  // namespace platform
