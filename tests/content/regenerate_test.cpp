// Runs the art and sound tools into a scratch folder and checks that they
// reproduce the committed data files byte for byte.
#include <gtest/gtest.h>

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

TEST(Regenerate, ToolsRefuseAFolderTheyCannotWriteTo) {
  const std::string missing = std::string(VAULMOOR_SCRATCH_DIR) + "/no/such/folder";
  for (const char* tool : {VAULMOOR_ART_TOOL, VAULMOOR_SFX_TOOL}) {
    const std::string command = "\"" + std::string(tool) + "\" \"" + missing + "\" 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0) << tool;
  }
}

}  // namespace
