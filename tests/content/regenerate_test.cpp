// Runs the art and sound tools into a scratch folder and checks that they
// reproduce the committed data files byte for byte.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content_test_support.h"
#include "lang/language.h"

namespace {

namespace fs = std::filesystem;

std::vector<char> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs a tool with a fresh folder as its output and returns the folder.
fs::path RunTool(const std::string& tool, const std::string& name) {
  const fs::path folder = fs::path(VAULMOOR_SCRATCH_DIR) / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string command = "\"" + tool + "\" \"" + folder.string() + "\"";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return folder;
}

void ExpectSameFiles(const fs::path& folder, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const std::vector<char> made = ReadAll(folder / name);
    const std::vector<char> committed = ReadAll(fs::path(VAULMOOR_DATA_DIR) / name);
    ASSERT_FALSE(made.empty()) << name << " was not written";
    EXPECT_TRUE(made == committed) << name << " differs from the committed file";
  }
  // The tool writes exactly these files and nothing else.
  size_t written = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    written += entry.is_regular_file();
  EXPECT_EQ(written, names.size());
}

// The pictures with words are drawn again for every language with a catalogue.
TEST(Regenerate, ArtToolReproducesEveryCommittedPicture) {
  std::vector<std::string> names = {"pal.bmp",      "graphic1.bmp", "graphic2.bmp", "graphic3.bmp",
                                    "graphic4.bmp", "graphic5.bmp", "graphic6.bmp", "graphic7.bmp",
                                    "graphic8.bmp", "kestrune.bmp"};
  for (const char* language : lang::Languages()) {
    if (std::string(language) == lang::SOURCE_LANGUAGE) continue;
    for (const char* worded : {"graphic4.bmp", "graphic8.bmp"})
      names.push_back(content_test::WordedPicture(language, worded));
  }
  ExpectSameFiles(RunTool(VAULMOOR_ART_TOOL, "art"), names);
}

TEST(Regenerate, SoundToolReproducesEveryCommittedEffect) {
  ExpectSameFiles(RunTool(VAULMOOR_SFX_TOOL, "sfx"),
                  {"snd01.wav", "snd02.wav", "snd03.wav", "snd04.wav", "snd05.wav", "snd06.wav"});
}

// The exit status of the stage compiler run with args (each quoted), its messages dropped.
int RunStageCompiler(const std::vector<std::string>& args) {
  std::string command = "\"" + std::string(VAULMOOR_STAGEC_TOOL) + "\"";
  for (const std::string& arg : args) command += " \"" + arg + "\"";
  const int status = std::system((command + " 2>/dev/null").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Regenerate, StageCompilerReproducesTheStageFileAndCompilesSetsOfOnesOwn) {
  const fs::path folder = fs::path(VAULMOOR_SCRATCH_DIR) / "stages";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string cellars = VAULMOOR_CELLARS_SOURCE;
  const std::string made = (folder / "stage.dat").string();
  ASSERT_EQ(RunStageCompiler({cellars, made}), 0);
  EXPECT_TRUE(ReadAll(made) == ReadAll(fs::path(VAULMOOR_DATA_DIR) / "stage.dat"));
  EXPECT_EQ(RunStageCompiler({"--check", cellars, std::string(VAULMOOR_DATA_DIR) + "/stage.dat"}),
            0);
  std::ofstream(made, std::ios::app) << "\n";
  EXPECT_EQ(RunStageCompiler({"--check", cellars, made}), 1) << "one byte more";

  // A set of two stages of one's own, the second with its title.
  const std::string stage =
      "deliver 1\ncheese a 0 3\ngrid\n#########\n#@.a.O..#\n#...A...#\n#########\n"
      "#########\n#########\n#########\n#########\n#########\n";
  const std::string source = (folder / "mine.txt").string();
  std::ofstream(source) << "stage 1\n" << stage << "\nstage 2\nshown 熟成庫の二\n" << stage;
  const std::string set = (folder / "mine.dat").string();
  ASSERT_EQ(RunStageCompiler({"--set", source, set}), 0);
  std::string block = "2 2 1 1  0 3\n1 1 1 1 1 1 1 1 1\n1 0 0 7 0 3 0 0 1\n1 0 0 0 4 0 0 0 1\n";
  for (int row = 4; row <= 9; ++row) block += "1 1 1 1 1 1 1 1 1\n";
  const std::string expected = block + "\n" + block + "\ntitle 2 熟成庫の二\n";
  const std::vector<char> bytes = ReadAll(set);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
  EXPECT_EQ(RunStageCompiler({"--check", "--set", source, set}), 0);
  // The game's own build takes 32 stages and none of them titled.
  EXPECT_EQ(RunStageCompiler({source, (folder / "game.dat").string()}), 2);
  EXPECT_FALSE(fs::exists(folder / "game.dat"));
}

TEST(Regenerate, ToolsRefuseAFolderTheyCannotWriteTo) {
  const std::string missing = std::string(VAULMOOR_SCRATCH_DIR) + "/no/such/folder";
  for (const char* tool : {VAULMOOR_ART_TOOL, VAULMOOR_SFX_TOOL}) {
    const std::string command = "\"" + std::string(tool) + "\" \"" + missing + "\" 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0) << tool;
  }
}

}  // namespace
