// The Windows program under Wine as a player meets it: unpacked into a folder
// named in Japanese, it plays the whole game to the ending, and the first cellar
// gives the Linux program's screenshots and save file byte for byte; in a real
// window on a virtual X screen it shows the title and closes on Esc.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/shell.h"
#include "robustness/hostile_files.h"
#include "solver/playthrough.h"
#include "support/run_folder.h"
#include "support/screen_picture.h"
#include "support/tested_program.h"

namespace {

using testsupport::ReadFile;

// A folder name no ASCII code page holds: "cellars of the game" in Japanese.
const std::string JAPANESE_NAME = "ゲームの地下室";

struct Playthrough {
  std::string script;
  std::vector<uint32_t> clearTimes;
};

Playthrough MakePlaythrough() {
  std::vector<std::string> moves;
  std::string why;
  EXPECT_TRUE(tools::LoadStagesAndSolutions(VAULMOOR_SOURCE_DIR, &moves, &why)) << why;
  Playthrough play;
  play.script = tools::PlaythroughScript(moves, &play.clearTimes);
  return play;
}

std::string GameFolder(const std::string& name) {
  return testsupport::MakeGameFolder(name, ReadFile(VAULMOOR_SOURCE_DIR "/data/stage.dat"));
}

TEST(WindowsProgram, PlaysEveryCellarFromAJapaneseFolder) {
  const Playthrough play = MakePlaythrough();
  ASSERT_EQ(play.clearTimes.size(), 32u);
  const std::string folder = GameFolder(JAPANESE_NAME);
  const testsupport::RunResult run = testsupport::RunHeadless(folder, play.script);
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  // The last save is written when stage 31 is cleared; clearing stage 32 writes none.
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), testsupport::SaveText(31));
}

// The playthrough's first cellar, with a shot halfway and one as it is cleared.
std::string FirstCellarScript(const Playthrough& play) {
  const uint32_t cleared = play.clearTimes[0];
  std::istringstream lines(play.script);
  std::ostringstream script;
  for (std::string line; std::getline(lines, line);) {
    if (std::strtoul(line.c_str(), nullptr, 10) >= cleared) break;
    script << line << "\n";
  }
  script << cleared / 2 << " shot\n" << cleared << " shot\n";
  return script.str();
}

// Plays the script headless until untilMs in a folder of the Windows program
// (named in Japanese) and one of the Linux program; each shot and the save file
// must be the same byte for byte. Returns the Windows folder.
std::string ExpectSameAsLinux(const std::string& name, const std::string& script, uint32_t untilMs,
                              size_t shots) {
  const std::vector<std::string> until = {"--until", std::to_string(untilMs)};
  const std::string windows = GameFolder(JAPANESE_NAME + "_" + name);
  const testsupport::RunResult windowsRun = testsupport::RunHeadless(windows, script, until);
  EXPECT_EQ(windowsRun.exitStatus, 1) << windowsRun.err;

  const std::string linux = GameFolder("linux_" + name);
  std::ofstream(linux + "script.txt") << script;
  std::filesystem::copy_file(VAULMOOR_LINUX_PROGRAM, linux + "vaulmoor");
  std::vector<std::string> args = {"--headless", "--script", "script.txt"};
  args.insert(args.end(), until.begin(), until.end());
  const testsupport::RunResult linuxRun =
      testsupport::RunCommand(linux, "./vaulmoor", args, {testsupport::DESIGNED_LOCALE}, linux);
  EXPECT_EQ(linuxRun.exitStatus, 1) << linuxRun.err;

  for (size_t n = 0; n < shots; ++n) {
    const std::string shot = ReadFile(testsupport::ScreenshotPath(linux, n));
    EXPECT_FALSE(shot.empty()) << "shot " << n;
    EXPECT_TRUE(shot == ReadFile(testsupport::ScreenshotPath(windows, n))) << "shot " << n;
  }
  EXPECT_EQ(ReadFile(windows + "data/save.dat"), ReadFile(linux + "data/save.dat"));
  return windows;
}

TEST(WindowsProgram, FirstCellarAsTheLinuxProgramPlaysIt) {
  const Playthrough play = MakePlaythrough();
  ASSERT_FALSE(play.clearTimes.empty());
  const std::string windows =
      ExpectSameAsLinux("first", FirstCellarScript(play), play.clearTimes[0] + 1000, 2);
  EXPECT_EQ(ReadFile(windows + "data/save.dat"), testsupport::SaveText(1));
}

// The hint key alone clears the first cellar: the search runs on its own thread.
TEST(WindowsProgram, HintsAsOnLinux) {
  std::ostringstream script;
  script << "3000 down space\n3050 up space\n";
  for (uint32_t at = 6000; at <= 15000; at += 3000)
    script << at << " down h\n" << at + 50 << " up h\n";
  script << "17000 shot\n";
  const std::string windows = ExpectSameAsLinux("hints", script.str(), 18000, 1);
  EXPECT_EQ(ReadFile(windows + "data/save.dat"), testsupport::SaveText(1));
}

// Makes a folder unwritable for the program under Wine, and writable again when
// it goes. Permissions do not hold back the superuser, whom Wine runs as here,
// so the superuser makes the folder immutable instead.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(const std::string& folder) : folder_(folder) {
    const std::string mode = geteuid() == 0 ? "chattr +i " : "chmod a-w ";
    made_ = std::system((mode + "'" + folder_ + "'").c_str()) == 0;
  }
  ~UnwritableFolder() {
    const std::string mode = geteuid() == 0 ? "chattr -i " : "chmod u+w ";
    if (std::system((mode + "'" + folder_ + "'").c_str()) != 0)
      ADD_FAILURE() << "cannot make " << folder_ << " writable again";
  }
  bool Made() const { return made_; }

 private:
  std::string folder_;
  bool made_ = false;
};

// %APPDATA%\Vaulmoor in the test run's Wine prefix, for whichever user Wine runs as.
std::filesystem::path AppDataFolder() {
  namespace fs = std::filesystem;
  for (const fs::directory_entry& user :
       fs::directory_iterator(VAULMOOR_WINE_PREFIX "/drive_c/users"))
    if (fs::exists(user.path() / "AppData/Roaming"))
      return user.path() / "AppData/Roaming/Vaulmoor";
  return {};
}

TEST(WindowsProgram, ReadOnlyFolderKeepsWhatItWritesInAppData) {
  namespace fs = std::filesystem;
  const fs::path appData = AppDataFolder();
  ASSERT_FALSE(appData.empty()) << "no AppData folder in " VAULMOOR_WINE_PREFIX;
  fs::remove_all(appData);
  const std::string folder = robustness::MakeOpenFloorFolder(JAPANESE_NAME + "_read_only");
  std::ofstream(folder + "script.txt") << "3000 down space\n3050 up space\n6000 down right\n"
                                          "6100 up right\n9000 down f9\n9040 up f9\n12000 close\n";
  std::vector<std::string> before;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    before.push_back(entry.path().string());
  testsupport::RunResult run;
  {
    UnwritableFolder unwritable(folder);
    ASSERT_TRUE(unwritable.Made()) << "cannot make " << folder << " unwritable";
    // Its outputs go beside the folder, which takes nothing now.
    const testsupport::TestedProgram& program = testsupport::Tested();
    std::vector<std::string> environment = program.environment;
    environment.push_back(testsupport::DESIGNED_LOCALE);
    run = testsupport::RunCommand(folder, program.launcher,
                                  {program.fileName, "--headless", "--script", "script.txt"},
                                  environment, folder.substr(0, folder.size() - 1) + "-");
  }
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile((appData / "save.dat").string()), "1 20");
  EXPECT_EQ(ReadFile((appData / "scr0000.bmp").string()).size(), 77878u);
  EXPECT_EQ(ReadFile((appData / "palfile.dat").string()).size(), 39552u);
  EXPECT_NE(ReadFile((appData / "report.txt").string()), "");
  std::vector<std::string> after;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    after.push_back(entry.path().string());
  EXPECT_EQ(after, before);
}

// The F9 taps of the window test: one a second from 6 s to 26 s, so that the
// last falls well after the title is up however long Wine takes to start; Esc
// comes a while after the last.
constexpr uint32_t FIRST_TAP_MS = 6000, TAPS = 21, ESC_MS = 34000;

// Run inside xvfb-run with the window's title: starts the program in a window,
// waits until its F9 pictures stop coming (taps in the first seconds, before the
// window is up, may leave none), takes the screen, prints the last picture's name
// as "shot <file>", the window's area as "window <x> <y> <width> <height>", and
// the program's status as "status <n>" once Esc has closed it. Wine's server for
// the prefix, which would keep the display it was started with, is waited out
// before and after: this test runs alone, and the headless runs have no display.
constexpr const char* SESSION_SCRIPT = R"sh(
wineserver -w
timeout 120 wine vaulmoor.exe --window --music data/tune.mid --script script.txt &
pid=$!
for i in $(seq 1 450); do [ -f scr0000.bmp ] && break; sleep 0.2; done
count=0
quiet=0
while [ $quiet -lt 13 ]; do
  sleep 0.2
  now=$(ls scr*.bmp 2>/dev/null | wc -l)
  if [ "$now" -ne "$count" ]; then count=$now; quiet=0; else quiet=$((quiet + 1)); fi
done
import -window root screen.png
echo "shot $(ls scr*.bmp | tail -1)"
xwininfo -name "$1" | awk '/Absolute upper-left X/ {x = $4}
  /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2}
  END {print "window", x, y, w, h}'
wait $pid
echo "status $?"
wineserver -w
)sh";

// The word after key in text ("" when there is none).
std::string WordAfter(const std::string& text, const std::string& key) {
  const size_t found = text.find(key + " ");
  if (found == std::string::npos) return "";
  std::string word;
  std::istringstream(text.substr(found + key.size())) >> word;
  return word;
}

TEST(WindowsWindow, ShowsTheTitleAndClosesOnEsc) {
  for (const char* tool : {"xvfb-run", "import", "convert", "compare", "xwininfo"})
    ASSERT_EQ(std::system(("command -v " + std::string(tool) + " >/dev/null").c_str()), 0)
        << tool << " is needed (scripts/deps.sh test installs it)";
  const testsupport::TestedProgram& program = testsupport::Tested();
  const std::string folder = GameFolder(JAPANESE_NAME + "_window");
  // The music asks the system's MIDI sequencer, which Wine may lack: the game
  // plays on all the same.
  std::ostringstream script;
  for (uint32_t n = 0; n < TAPS; ++n)
    script << FIRST_TAP_MS + n * 1000 << " down f9\n"
           << FIRST_TAP_MS + n * 1000 + 100 << " up f9\n";
  script << ESC_MS << " down esc\n" << ESC_MS + 100 << " up esc\n";
  std::ofstream(folder + "script.txt") << script.str();
  std::filesystem::copy_file(VAULMOOR_SOURCE_DIR "/data/tune.mid", folder + "data/tune.mid");
  std::ofstream(folder + "session.sh") << SESSION_SCRIPT;
  const testsupport::RunResult run = testsupport::RunCommand(
      folder, "xvfb-run",
      {"-a", "-s", "-screen 0 1024x768x24", "sh", "session.sh", app::WINDOW_TITLE},
      program.environment, folder + "session-");
  const std::string session = run.out + run.err;
  const std::string shot = WordAfter(session, "shot");
  ASSERT_FALSE(shot.empty()) << session;
  EXPECT_TRUE(ReadFile(folder + shot) ==
              ReadFile(VAULMOOR_SOURCE_DIR "/tests/golden/pictures/title_start.bmp"))
      << shot << " is not the title";

  const size_t found = session.find("window ");
  ASSERT_NE(found, std::string::npos) << session;
  testsupport::Area window;
  std::istringstream(session.substr(found + 7)) >> window.x >> window.y >> window.width >>
      window.height;
  ASSERT_GT(window.width, 0) << session;
  const testsupport::Area picture = testsupport::PictureArea(window);
  EXPECT_EQ(testsupport::NonBlackArea(folder, "screen", window), picture) << "window " << window;
  EXPECT_EQ(testsupport::DifferentPixels(folder, "screen", picture, shot), "0")
      << "window " << window;
  EXPECT_NE(session.find("status 1"), std::string::npos) << session;
}

}  // namespace
