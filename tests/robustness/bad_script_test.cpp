// Input scripts of headless runs, missing or malformed: the program stops before
// start-up with the file and line named and exit status 2.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

struct ScriptCase {
  const char* name;
  std::string text;
  const char* where;  // "script.txt:<line>:" the message starts with
};

// Test names and messages show a row by its name.
void PrintTo(const ScriptCase& row, std::ostream* out) {
  *out << row.name;
}

class MalformedScript : public testing::TestWithParam<ScriptCase> {};

TEST_P(MalformedScript, StopsNamingTheFileAndLine) {
  const ScriptCase& row = GetParam();
  const std::string folder = robustness::MakeOpenFloorFolder(std::string("script_") + row.name);
  const testsupport::RunResult run = testsupport::RunHeadless(folder, row.text);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_STARTUP_FAILED) << run.err;
  EXPECT_NE(run.err.find(row.where), std::string::npos) << run.err;
  EXPECT_FALSE(testsupport::FileExists(folder + "report.txt")) << "start-up went ahead";
}

INSTANTIATE_TEST_SUITE_P(
    Script, MalformedScript,
    testing::Values(ScriptCase{"Garbage", robustness::GarbageBytes(400, 8), "script.txt:1:"},
                    ScriptCase{"TimeNotANumber", "3000 down space\nsoon close\n", "script.txt:2:"},
                    ScriptCase{"TimeTooLarge", "99999999999 close\n", "script.txt:1:"},
                    ScriptCase{"TimeNegative", "-5 close\n", "script.txt:1:"},
                    ScriptCase{"TimeGoesBackwards", "3000 down space\n2000 up space\n",
                               "script.txt:2:"},
                    ScriptCase{"UnknownEvent", "# fine\n\n100 jump\n", "script.txt:3:"},
                    ScriptCase{"UnknownKey", "100 down shift\n", "script.txt:1:"},
                    ScriptCase{"StickOutOfRange", "100 joy 65536 0\n", "script.txt:1:"},
                    ScriptCase{"StickNotANumber", "100 joy left 0\n", "script.txt:1:"},
                    ScriptCase{"ButtonOutOfRange", "100 button 33 down\n", "script.txt:1:"},
                    ScriptCase{"ButtonZero", "100 button 0 down\n", "script.txt:1:"},
                    ScriptCase{"MissingEvent", "100\n", "script.txt:1:"},
                    ScriptCase{"NulByte", std::string("100 down space\n200 up sp\0ace\n", 29),
                               "script.txt:2:"}),
    robustness::RowName());

TEST(Script, MissingStopsNamingTheFile) {
  const std::string folder = robustness::MakeOpenFloorFolder("script_missing");
  const testsupport::RunResult run =
      testsupport::RunProgram(folder, {"--headless", "--script", "no-such-script.txt"});
  EXPECT_EQ(run.exitStatus, robustness::EXIT_STARTUP_FAILED) << run.err;
  EXPECT_NE(run.err.find("no-such-script.txt"), std::string::npos) << run.err;
}

TEST(Script, DirectoryStopsNamingTheFile) {
  const std::string folder = robustness::MakeOpenFloorFolder("script_directory");
  robustness::PutDirectory(folder + "scripts");
  const testsupport::RunResult run =
      testsupport::RunProgram(folder, {"--headless", "--script", "scripts"});
  EXPECT_EQ(run.exitStatus, robustness::EXIT_STARTUP_FAILED) << run.err;
  EXPECT_NE(run.err.find("scripts"), std::string::npos) << run.err;
}

// An empty script is a run without input: the close request comes 30 s in.
TEST(Script, EmptyRunsUntilTheDefaultClose) {
  const std::string folder = robustness::MakeOpenFloorFolder("script_empty");
  const testsupport::RunResult run = testsupport::RunHeadless(folder, "");
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_TRUE(testsupport::FileExists(folder + "report.txt"));
}

}  // namespace
