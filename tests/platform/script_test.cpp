// The input script reader: every event form, comments, and the refusals.
#include "platform/script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"

namespace {

using platform::ScriptEvent;
using platform::ScriptEventKind;

TEST(ScriptReader, ReadsEveryEventForm) {
  const std::string text =
      "# a demo\n"
      "\n"
      "0 down f10\n"
      "0 joy 32767 32768   # centred\n"
      "  250   up f10\n"
      "300 button 32 down\n"
      "300 button 1 up\n"
      "400 down a\n"
      "400 down 7\n"
      "500 down return\n"
      "600 activate\n"
      "650 shot\n"
      "700 close\n";
  std::vector<ScriptEvent> events;
  std::string error;
  ASSERT_TRUE(platform::ParseScript(text, "demo.txt", &events, &error)) << error;
  ASSERT_EQ(events.size(), 11u);
  EXPECT_EQ(events[0].kind, ScriptEventKind::KeyDown);
  EXPECT_EQ(events[0].vk, platform::VK_F10);
  EXPECT_EQ(events[1].kind, ScriptEventKind::Joy);
  EXPECT_EQ(events[1].x, 32767u);
  EXPECT_EQ(events[1].y, 32768u);
  EXPECT_EQ(events[2].timeMs, 250u);
  EXPECT_EQ(events[2].kind, ScriptEventKind::KeyUp);
  EXPECT_EQ(events[3].kind, ScriptEventKind::ButtonDown);
  EXPECT_EQ(events[3].button, 32);
  EXPECT_EQ(events[4].kind, ScriptEventKind::ButtonUp);
  EXPECT_EQ(events[4].button, 1);
  EXPECT_EQ(events[5].vk, 'A');
  EXPECT_EQ(events[6].vk, '7');
  EXPECT_EQ(events[7].vk, platform::VK_RETURN);
  EXPECT_EQ(events[8].kind, ScriptEventKind::Activate);
  EXPECT_EQ(events[9].kind, ScriptEventKind::Shot);
  EXPECT_EQ(events[10].kind, ScriptEventKind::Close);
  EXPECT_EQ(events[10].timeMs, 700u);
}

TEST(ScriptReader, KeyNames) {
  const struct {
    const char* name;
    int vk;
  } cases[] = {{"left", 0x25},  {"up", 0x26},     {"right", 0x27},     {"down", 0x28},
               {"space", 0x20}, {"q", 0x51},      {"esc", 0x1B},       {"f9", 0x78},
               {"f10", 0x79},   {"return", 0x0D}, {"z", 0x5A},         {"0", 0x30},
               {"9", 0x39},     {"Q", 0},         {"f1", 0},           {"", 0},
               {"ab", 0},       {"escape", 0},    {"backspace", 0x08}, {"back", 0}};
  for (const auto& c : cases) EXPECT_EQ(platform::ScriptKeyCode(c.name), c.vk) << c.name;
}

TEST(ScriptReader, EditingKeyNames) {
  const struct {
    const char* name;
    int vk;
  } cases[] = {{"tab", 0x09},   {"pageup", 0x21}, {"pagedown", 0x22}, {"home", 0x24},
               {"end", 0x23},   {"delete", 0x2E}, {"plus", 0xBB},     {"minus", 0xBD},
               {"comma", 0xBC}, {"period", 0xBE}, {"del", 0},         {"+", 0}};
  for (const auto& c : cases) EXPECT_EQ(platform::ScriptKeyCode(c.name), c.vk) << c.name;
}

TEST(ScriptReader, ReadsPointerAndTextEvents) {
  const std::string text =
      "10 mouse 12 -3\n"
      "20 press 319 239 left\n"
      "30 release 0 0 right\n"
      "40 wheel 100 50 -2\n"
      "50 text  Cellar #1 ｜熟成庫  \n"
      "60 text x\r\n";
  std::vector<ScriptEvent> events;
  std::string error;
  ASSERT_TRUE(platform::ParseScript(text, "s", &events, &error)) << error;
  ASSERT_EQ(events.size(), 6u);
  const struct {
    uint32_t message;
    int32_t x, y, wheel;
  } pointers[] = {{platform::WM_MOUSEMOVE, 12, -3, 0},
                  {platform::WM_LBUTTONDOWN, 319, 239, 0},
                  {platform::WM_RBUTTONUP, 0, 0, 0},
                  {platform::WM_MOUSEWHEEL, 100, 50, -2 * platform::WHEEL_DELTA}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(events[i].kind, ScriptEventKind::Pointer) << i;
    EXPECT_EQ(events[i].message, pointers[i].message) << i;
    EXPECT_EQ(events[i].pointerX, pointers[i].x) << i;
    EXPECT_EQ(events[i].pointerY, pointers[i].y) << i;
    EXPECT_EQ(events[i].wheel, pointers[i].wheel) << i;
  }
  EXPECT_EQ(events[4].kind, ScriptEventKind::Text);
  EXPECT_EQ(events[4].text, " Cellar #1 ｜熟成庫  ");  // everything after "text "
  EXPECT_EQ(events[5].text, "x");
}

TEST(ScriptReader, MalformedLinesNameFileAndLine) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"x down a\n", "s.txt:1: bad time 'x'"},
      {"-5 down a\n", "s.txt:1: bad time '-5'"},
      {"10 down a\n5 up a\n", "s.txt:2: time goes backwards"},
      {"# c\n10\n", "s.txt:2: missing event"},
      {"10 down\n", "s.txt:1: expected 'down KEY'"},
      {"10 down shift\n", "s.txt:1: unknown key 'shift'"},
      {"10 up a b\n", "s.txt:1: expected 'up KEY'"},
      {"10 joy 1\n", "s.txt:1: expected 'joy X Y' with X and Y in 0..65535"},
      {"10 joy 1 65536\n", "s.txt:1: expected 'joy X Y' with X and Y in 0..65535"},
      {"10 joy 1x 2\n", "s.txt:1: expected 'joy X Y' with X and Y in 0..65535"},
      {"10 button 0 down\n", "s.txt:1: expected 'button N down' or 'button N up' with N in 1..32"},
      {"10 button 33 down\n", "s.txt:1: expected 'button N down' or 'button N up' with N in 1..32"},
      {"10 button 2 held\n", "s.txt:1: expected 'button N down' or 'button N up' with N in 1..32"},
      {"10 close now\n", "s.txt:1: unexpected words after 'close'"},
      {"10 shot 2\n", "s.txt:1: unexpected words after 'shot'"},
      {"10 quit\n", "s.txt:1: unknown event 'quit'"},
      {"4294967296 close\n", "s.txt:1: bad time '4294967296'"},
      {"10 mouse 1\n", "s.txt:1: expected 'mouse X Y'"},
      {"10 mouse 1 32768\n", "s.txt:1: expected 'mouse X Y'"},
      {"10 mouse 1 -\n", "s.txt:1: expected 'mouse X Y'"},
      {"10 press 1 2\n", "s.txt:1: expected 'press X Y left' or 'press X Y right'"},
      {"10 release 1 2 middle\n", "s.txt:1: expected 'release X Y left' or 'release X Y right'"},
      {"10 wheel 1 2\n", "s.txt:1: expected 'wheel X Y N' with N in -100..100"},
      {"10 wheel 1 2 101\n", "s.txt:1: expected 'wheel X Y N' with N in -100..100"},
      {"10 text\n", "s.txt:1: expected 'text WORDS'"},
      {"10 text \n", "s.txt:1: expected 'text WORDS'"},
  };
  for (const auto& c : cases) {
    std::vector<ScriptEvent> events;
    std::string error;
    EXPECT_FALSE(platform::ParseScript(c.text, "s.txt", &events, &error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

TEST(ScriptReader, EqualTimesAndLargestTimeAreAccepted) {
  std::vector<ScriptEvent> events;
  std::string error;
  ASSERT_TRUE(platform::ParseScript("5 down a\n5 up a\n4294967295 close", "s", &events, &error));
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[2].timeMs, 4294967295u);
}

TEST(ScriptReader, MissingFileAndFolderAreErrors) {
  std::vector<ScriptEvent> events;
  std::string error;
  EXPECT_FALSE(platform::LoadScript("/nonexistent/dir/script.txt", &events, &error));
  EXPECT_EQ(error, "/nonexistent/dir/script.txt: the script does not exist");
  std::string folder = testing::TempDir();
  EXPECT_FALSE(platform::LoadScript(folder.c_str(), &events, &error));
  EXPECT_EQ(error, folder + ": the script is a folder");
}

}  // namespace
