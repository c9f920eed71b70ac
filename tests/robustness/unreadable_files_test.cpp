// Paths that are not files the game can read whole: a folder, a device without
// end, a pipe nobody writes to, a file past the reader's limit, nothing at all.
// Every reader refuses each at once and says what the path is; the files the
// game cannot start without stop it, the records it can do without do not.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

namespace fs = std::filesystem;

// What is put at a path, and what the readers say it is.
struct Thing {
  const char* name;
  std::function<void(const std::string& path, size_t limit)> make;
  const char* words;  // "" for "is larger than " + the limit
};

void MakePipe(const std::string& path, size_t) {
  fs::remove_all(path);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0) << path << ": " << std::strerror(errno);
}

const Thing THINGS[] = {
    {"folder", [](const std::string& path, size_t) { robustness::PutDirectory(path); },
     "is a folder"},
    {"device",
     [](const std::string& path, size_t) {
       fs::remove_all(path);
       fs::create_symlink("/dev/zero", path);
     },
     "is a device"},
    {"pipe", MakePipe, "is a pipe"},
    // Sparse: only the size counts.
    {"too large",
     [](const std::string& path, size_t limit) {
       robustness::PutFile(path, "");
       fs::resize_file(path, limit + 1);
     },
     ""},
    {"missing", [](const std::string& path, size_t) { fs::remove_all(path); }, "does not exist"},
};

std::string Words(const Thing& thing, const char* limit) {
  return *thing.words ? thing.words : std::string("is larger than ") + limit;
}

// Every line on standard error begins with the program's name.
bool EveryLineIsTheProgramsOwn(const std::string& err) {
  for (size_t start = 0; start < err.size();) {
    if (err.compare(start, 10, "vaulmoor: ") != 0) return false;
    const size_t end = err.find('\n', start);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return true;
}

// A reader of a file the program cannot go on without.
struct Reader {
  const char* name;
  const char* file;  // in the run folder
  size_t limit;
  const char* limitWords;
  std::vector<std::string> args;  // the run; a headless run of SCRIPT_START_AND_CLEAR when empty
  const char* noun;               // "PATH: NOUN WORDS" on standard error
  bool messageBox;                // a start-up failure the player is shown
};

void PrintTo(const Reader& row, std::ostream* out) {
  *out << row.name;
}

class UnreadableFile : public testing::TestWithParam<Reader> {};

TEST_P(UnreadableFile, StopsAtOnceSayingWhatThePathIs) {
  const Reader& reader = GetParam();
  for (const Thing& thing : THINGS) {
    const std::string folder = robustness::MakeOpenFloorFolder(std::string("unreadable_") +
                                                               reader.name + "_" + thing.name);
    thing.make(folder + reader.file, reader.limit);
    const testsupport::RunResult run =
        reader.args.empty()
            ? robustness::RunHeadlessWithMemoryCap(folder, robustness::SCRIPT_START_AND_CLEAR)
            : robustness::RunWithMemoryCap(folder, reader.args);
    const std::string says = std::string(reader.file) + ": " + reader.noun + " " +
                             Words(thing, reader.limitWords) + "\n";
    EXPECT_EQ(run.exitStatus, robustness::EXIT_STARTUP_FAILED) << thing.name << "\n" << run.err;
    EXPECT_NE(run.err.find(says), std::string::npos)
        << thing.name << ": no line ends \"" << says << "\"\n"
        << run.err;
    EXPECT_TRUE(EveryLineIsTheProgramsOwn(run.err)) << run.err;
    EXPECT_EQ(run.err.find("error: ") != std::string::npos, reader.messageBox) << thing.name;
    EXPECT_FALSE(testsupport::FileExists(folder + "data/save.dat")) << thing.name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Readers, UnreadableFile,
    testing::Values(Reader{"Replay",
                           "moves.txt",
                           1 << 20,
                           "1 MiB",
                           {"--headless", "--script", "script.txt", "--replay", "moves.txt"},
                           "the replay file",
                           false},
                    Reader{"Script",
                           "input.txt",
                           64 << 20,
                           "64 MiB",
                           {"--headless", "--script", "input.txt"},
                           "the script",
                           false},
                    Reader{
                        "Stage", "data/stage.dat", 1 << 20, "1 MiB", {}, "the stage file", true}),
    robustness::RowName());

// The records are the game's own to do without: it plays on and records afresh.
// A file it cannot use is set aside; anything else is left where it is.
TEST(UnreadableRecords, PlayGoesOnWithoutThem) {
  for (const Thing& thing : THINGS) {
    if (std::string(thing.name) == "missing") continue;  // no records yet: nothing to say
    const std::string folder =
        robustness::MakeOpenFloorFolder(std::string("unreadable_records_") + thing.name);
    const std::string path = folder + "data/records.dat";
    thing.make(path, 1 << 20);
    const testsupport::RunResult run =
        robustness::RunHeadlessWithMemoryCap(folder, robustness::SCRIPT_START_AND_CLEAR);
    EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << thing.name << "\n" << run.err;
    const bool file = std::string(thing.name) == "too large";
    const std::string says = "vaulmoor: data/records.dat: " + Words(thing, "1 MiB") + "; " +
                             (file ? "set aside as " : "left as it is, play goes on");
    EXPECT_NE(run.err.find(says), std::string::npos)
        << thing.name << ": no line \"" << says << "\"\n"
        << run.err;
    EXPECT_TRUE(EveryLineIsTheProgramsOwn(run.err)) << run.err;
    EXPECT_EQ(fs::exists(path + ".bad"), file) << thing.name;
    EXPECT_EQ(testsupport::ReadFile(folder + "data/save.dat"), testsupport::SaveText(1))
        << thing.name;
  }
}

}  // namespace
