// Headless runs: the virtual clock, script events as the clock passes them, the
// two key states, the run-time limit, messages, the joystick and display memory.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/test_temp.h"

namespace {

std::string WriteScript(const std::string& name, const std::string& text) {
  std::string path = testsupport::TestTempPath(name);
  std::ofstream(path) << text;
  return path;
}

// Starts a headless run of the given script text; the path stays valid for the test.
class HeadlessRun : public testing::Test {
 protected:
  void Start(const std::string& text, bool hasUntil = false, uint32_t untilMs = 0) {
    path_ = WriteScript("script.txt", text);
    platform::Options options;
    options.headless = true;
    options.scriptPath = path_.c_str();
    options.hasUntil = hasUntil;
    options.untilMs = untilMs;
    ASSERT_TRUE(platform::Init(options));
  }
  void TearDown() override { platform::Shutdown(); }

  // Every message waiting now, taken from the queue in order.
  static std::vector<platform::MSG> TakeAll() {
    std::vector<platform::MSG> taken;
    platform::MSG message;
    while (platform::PeekMessageA(&message)) {
      platform::GetMessageA(&message);
      taken.push_back(message);
    }
    return taken;
  }

  static bool Down(int16_t state) { return (state & 0x8000) != 0; }

  std::string path_;
};

std::vector<uint32_t> ClockSeen;
void RecordClock(uint32_t nowMs) {
  ClockSeen.push_back(nowMs);
}

TEST_F(HeadlessRun, ClockStartsAtZeroAndMovesOnlyWhenWaiting) {
  Start("");
  platform::AddClockListener(RecordClock);
  ClockSeen.clear();
  EXPECT_EQ(platform::timeGetTime(), 0u);
  EXPECT_EQ(platform::timeGetTime(), 0u);
  platform::WaitUntil(20);
  EXPECT_EQ(platform::timeGetTime(), 20u);
  platform::WaitUntil(10);  // already passed: no change
  EXPECT_EQ(platform::timeGetTime(), 20u);
  platform::IdlePoll();
  platform::IdlePoll();
  EXPECT_EQ(platform::timeGetTime(), 22u);
  EXPECT_EQ(ClockSeen, (std::vector<uint32_t>{20, 21, 22}));
}

TEST_F(HeadlessRun, ImmediateStateAtEventTimeMessageStateWhenTaken) {
  Start("100 down space\n150 up space\n");
  platform::WaitUntil(99);
  EXPECT_FALSE(Down(platform::GetAsyncKeyState(platform::VK_SPACE)));
  platform::MSG message;
  EXPECT_FALSE(platform::PeekMessageA(&message));

  platform::WaitUntil(100);
  EXPECT_TRUE(Down(platform::GetAsyncKeyState(platform::VK_SPACE)));
  EXPECT_FALSE(Down(platform::GetKeyState(platform::VK_SPACE)));  // not taken yet
  ASSERT_TRUE(platform::PeekMessageA(&message));
  ASSERT_EQ(platform::GetMessageA(&message), 1);
  EXPECT_EQ(message.message, platform::WM_KEYDOWN);
  EXPECT_EQ(message.wParam, uintptr_t{platform::VK_SPACE});
  EXPECT_TRUE(Down(platform::GetKeyState(platform::VK_SPACE)));

  platform::WaitUntil(200);
  EXPECT_FALSE(Down(platform::GetAsyncKeyState(platform::VK_SPACE)));
  EXPECT_TRUE(Down(platform::GetKeyState(platform::VK_SPACE)));
  TakeAll();
  EXPECT_FALSE(Down(platform::GetKeyState(platform::VK_SPACE)));
}

TEST_F(HeadlessRun, EventsHappenInsideALongWaitAtTheirOwnTimes) {
  Start("10 down q\n20 up q\n30 down q\n");
  platform::WaitUntil(25);
  EXPECT_FALSE(Down(platform::GetAsyncKeyState('Q')));
  std::vector<platform::MSG> taken = TakeAll();
  ASSERT_EQ(taken.size(), 2u);
  EXPECT_EQ(taken[0].message, platform::WM_KEYDOWN);
  EXPECT_EQ(taken[1].message, platform::WM_KEYUP);
}

TEST_F(HeadlessRun, KeysAtTimeZeroAreHeldBeforeTheWindowExists) {
  Start("0 down f10\n0 down space\n0 up space\n");
  EXPECT_TRUE(Down(platform::GetKeyState(platform::VK_F10)));
  EXPECT_TRUE(Down(platform::GetAsyncKeyState(platform::VK_F10)));
  EXPECT_FALSE(Down(platform::GetKeyState(platform::VK_SPACE)));
}

TEST_F(HeadlessRun, CloseRequestDefaultsToThirtySecondsAfterTheLastEvent) {
  Start("500 down a\n");
  platform::WaitUntil(30499);
  for (const platform::MSG& m : TakeAll()) EXPECT_NE(m.message, platform::WM_CLOSE);
  platform::WaitUntil(30500);
  std::vector<platform::MSG> taken = TakeAll();
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0].message, platform::WM_CLOSE);
}

TEST_F(HeadlessRun, CloseRequestTimeDoesNotWrapAroundNearTheClocksEnd) {
  Start("4294967000 down a\n");
  platform::WaitUntil(1500000000u);  // waits compare within half the clock's range
  platform::WaitUntil(3000000000u);
  platform::WaitUntil(4294967100u);
  std::vector<platform::MSG> taken = TakeAll();
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0].message, platform::WM_KEYDOWN);
}

TEST_F(HeadlessRun, UntilSetsTheCloseRequest) {
  Start("", true, 1000);
  platform::WaitUntil(999);
  EXPECT_TRUE(TakeAll().empty());
  platform::WaitUntil(5000);
  std::vector<platform::MSG> taken = TakeAll();
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0].message, platform::WM_CLOSE);
}

TEST_F(HeadlessRun, StillRunningLongAfterTheCloseRequestEndsWithStatus3) {
  Start("", true, 100);
  platform::WaitUntil(10099);  // just inside the grace time
  EXPECT_EXIT(platform::WaitUntil(10100), testing::ExitedWithCode(3),
              "still running 10000 ms after the close request at 100 ms");
}

TEST_F(HeadlessRun, KeyWaitWithNoEndingEventGivesUp) {
  Start("", true, 0);
  EXPECT_EXIT(while (!(platform::GetAsyncKeyState(platform::VK_SPACE) & 0x8000))
                  platform::IdlePoll(),
              testing::ExitedWithCode(3), "still running");
}

TEST_F(HeadlessRun, CloseAndActivateEventsBecomeMessages) {
  Start("5 activate\n6 close\n");
  platform::WaitUntil(6);
  std::vector<platform::MSG> taken = TakeAll();
  ASSERT_EQ(taken.size(), 2u);
  EXPECT_EQ(taken[0].message, platform::WM_ACTIVATEAPP);
  EXPECT_EQ(taken[0].wParam, 1u);
  EXPECT_EQ(taken[1].message, platform::WM_CLOSE);
}

TEST_F(HeadlessRun, MalformedScriptStopsBeforeStartUp) {
  std::string path = WriteScript("bad_script.txt", "0 down a\n10 jump\n");
  platform::Options options;
  options.headless = true;
  options.scriptPath = path.c_str();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(platform::Init(options));
  std::string printed = testing::internal::GetCapturedStderr();
  EXPECT_NE(printed.find(path + ":2: unknown event 'jump'"), std::string::npos) << printed;
}

TEST_F(HeadlessRun, JoystickAttachesWithItsFirstEvent) {
  Start("0 joy 100 200\n10 button 2 down\n20 button 2 up\n");
  platform::JOYINFOEX info;
  ASSERT_EQ(platform::joyGetPosEx(0, &info), platform::JOYERR_NOERROR);
  EXPECT_EQ(info.dwXpos, 100u);
  EXPECT_EQ(info.dwYpos, 200u);
  EXPECT_EQ(info.dwButtons, 0u);
  EXPECT_EQ(platform::joyGetPosEx(1, &info), platform::JOYERR_UNPLUGGED);
  platform::WaitUntil(10);
  ASSERT_EQ(platform::joyGetPosEx(0, &info), platform::JOYERR_NOERROR);
  EXPECT_EQ(info.dwButtons, 2u);
  platform::WaitUntil(20);
  platform::joyGetPosEx(0, &info);
  EXPECT_EQ(info.dwButtons, 0u);
}

TEST_F(HeadlessRun, JoystickAbsentUntilScripted) {
  Start("50 button 1 down\n");
  platform::JOYINFOEX info;
  EXPECT_EQ(platform::joyGetPosEx(0, &info), platform::JOYERR_UNPLUGGED);
  platform::WaitUntil(50);
  ASSERT_EQ(platform::joyGetPosEx(0, &info), platform::JOYERR_NOERROR);
  EXPECT_EQ(info.dwButtons, 1u);
  // Attached by a button, the stick rests at its centre.
  EXPECT_EQ(info.dwXpos, 32768u);
  EXPECT_EQ(info.dwYpos, 32768u);
}

std::vector<uint32_t> WindowMessages;
intptr_t RecordingProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  WindowMessages.push_back(message);
  if (message == platform::WM_DESTROY) platform::PostQuitMessage(0);
  return platform::DefWindowProcA(message, wParam, lParam);
}

TEST_F(HeadlessRun, WindowLifetimeAndQuitAfterTheQueueEmpties) {
  Start("");
  WindowMessages.clear();
  ASSERT_TRUE(platform::CreateMainWindow("test", RecordingProc));
  EXPECT_EQ(WindowMessages, (std::vector<uint32_t>{platform::WM_CREATE}));

  platform::PostMessageA(platform::WM_KEYDOWN, platform::VK_ESCAPE, 0);
  platform::PostMessageA(platform::WM_CLOSE, 0, 0);
  platform::PostMessageA(platform::WM_CLOSE, 0, 0);
  platform::MSG message;
  ASSERT_EQ(platform::GetMessageA(&message), 1);
  platform::DispatchMessageA(message);
  ASSERT_EQ(platform::GetMessageA(&message), 1);
  platform::DispatchMessageA(message);  // default handling destroys the window
  EXPECT_EQ(WindowMessages, (std::vector<uint32_t>{platform::WM_CREATE, platform::WM_KEYDOWN,
                                                   platform::WM_CLOSE, platform::WM_DESTROY}));
  // The second close waits ahead of the quit message and goes nowhere.
  ASSERT_EQ(platform::GetMessageA(&message), 1);
  EXPECT_EQ(message.message, platform::WM_CLOSE);
  platform::DispatchMessageA(message);
  EXPECT_EQ(WindowMessages.size(), 4u);
  ASSERT_TRUE(platform::PeekMessageA(&message));
  EXPECT_EQ(platform::GetMessageA(&message), 0);
  EXPECT_EQ(message.message, platform::WM_QUIT);
  EXPECT_FALSE(platform::PeekMessageA(&message));
}

TEST_F(HeadlessRun, PointerEventsBecomeMouseMessagesAndThePointersState) {
  Start(
      "10 mouse 5 6\n"
      "20 press 7 8 left\n"
      "30 press 9 10 right\n"
      "40 release 11 12 left\n"
      "50 wheel 13 -14 3\n");
  EXPECT_FALSE(platform::GetPointerState().known);
  platform::WaitUntil(50);
  EXPECT_FALSE(platform::GetPointerState().known);  // nothing taken yet
  std::vector<platform::MSG> taken = TakeAll();
  const struct {
    uint32_t message;
    uintptr_t buttons;
    int32_t x, y;
  } expected[] = {{platform::WM_MOUSEMOVE, 0, 5, 6},
                  {platform::WM_LBUTTONDOWN, platform::MK_LBUTTON, 7, 8},
                  {platform::WM_RBUTTONDOWN, platform::MK_LBUTTON | platform::MK_RBUTTON, 9, 10},
                  {platform::WM_LBUTTONUP, platform::MK_RBUTTON, 11, 12},
                  {platform::WM_MOUSEWHEEL, platform::MK_RBUTTON, 13, -14}};
  ASSERT_EQ(taken.size(), std::size(expected));
  for (size_t i = 0; i < taken.size(); ++i) {
    EXPECT_EQ(taken[i].message, expected[i].message) << i;
    EXPECT_EQ(taken[i].wParam & 0xFFFF, expected[i].buttons) << i;
    EXPECT_EQ(platform::PointerX(taken[i].lParam), expected[i].x) << i;
    EXPECT_EQ(platform::PointerY(taken[i].lParam), expected[i].y) << i;
  }
  EXPECT_EQ(platform::WheelTurn(taken[4].wParam), 3 * platform::WHEEL_DELTA);
  const platform::PointerState pointer = platform::GetPointerState();
  EXPECT_TRUE(pointer.known);
  EXPECT_EQ(pointer.x, 13);
  EXPECT_EQ(pointer.y, -14);
  EXPECT_FALSE(pointer.left);
  EXPECT_TRUE(pointer.right);
  // The same messages, in order, for the screen that reads them.
  platform::MSG message;
  for (size_t i = 0; i < taken.size(); ++i) {
    ASSERT_TRUE(platform::TakeInputMessage(&message)) << i;
    EXPECT_EQ(message.message, taken[i].message) << i;
  }
  EXPECT_FALSE(platform::TakeInputMessage(&message));
}

TEST_F(HeadlessRun, TypedTextComesOneCharacterAtATime) {
  Start("10 down a\n10 text aé熟😀 z\n");
  platform::WaitUntil(10);
  std::vector<platform::MSG> taken = TakeAll();
  std::vector<std::string> characters;
  for (const platform::MSG& m : taken)
    if (m.message == platform::WM_CHAR) characters.push_back(platform::TypedCharacter(m.wParam));
  EXPECT_EQ(characters, (std::vector<std::string>{"a", "é", "熟", "😀", " ", "z"}));
  // The key message and the text, in order, for the screen that reads them.
  platform::MSG message;
  ASSERT_TRUE(platform::TakeInputMessage(&message));
  EXPECT_EQ(message.message, platform::WM_KEYDOWN);
  EXPECT_EQ(message.wParam, uintptr_t{'A'});
  std::string read;
  while (platform::TakeInputMessage(&message)) {
    EXPECT_EQ(message.message, platform::WM_CHAR);
    read += platform::TypedCharacter(message.wParam);
  }
  EXPECT_EQ(read, "aé熟😀 z");
}

TEST_F(HeadlessRun, OnlyTheNewestInputMessagesAreKeptAndDropForgetsThem) {
  std::string script;
  for (int i = 0; i < 600; ++i) script += "10 mouse " + std::to_string(i) + " 0\n";
  Start(script);
  platform::WaitUntil(10);
  TakeAll();
  platform::MSG message;
  ASSERT_TRUE(platform::TakeInputMessage(&message));
  const int32_t first = platform::PointerX(message.lParam);
  EXPECT_GT(first, 0);  // the oldest went
  int32_t last = first;
  while (platform::TakeInputMessage(&message)) last = platform::PointerX(message.lParam);
  EXPECT_EQ(last, 599);
  Start("10 mouse 1 1\n");
  platform::WaitUntil(10);
  TakeAll();
  platform::DropInputMessages();
  EXPECT_FALSE(platform::TakeInputMessage(&message));
}

TEST_F(HeadlessRun, DisplayOpensWithoutAScreenAndAccountsMemory) {
  Start("");
  EXPECT_TRUE(platform::DisplayOpen(320, 240));
  EXPECT_FALSE(platform::DisplayOpen(0, 240));
  uint32_t total = platform::DisplayMemoryTotal();
  EXPECT_EQ(platform::DisplayMemoryFree(), total);
  platform::DisplayMemoryAllocate(76800);
  platform::DisplayMemoryAllocate(1000);
  EXPECT_EQ(platform::DisplayMemoryFree(), total - 77800);
  platform::DisplayMemoryRelease(1000);
  EXPECT_EQ(platform::DisplayMemoryFree(), total - 76800);
  platform::DisplayMemoryRelease(1000000);  // more than is in use: nothing goes negative
  EXPECT_EQ(platform::DisplayMemoryFree(), total);
  platform::DisplayMemoryAllocate(total + 5);
  EXPECT_EQ(platform::DisplayMemoryFree(), 0u);
  platform::DisplayMemoryRelease(total + 5);
  platform::DisplayClose();
}

}  // namespace
