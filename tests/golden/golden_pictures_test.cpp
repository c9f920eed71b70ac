// Golden pictures: each scene's screenshot from the scene runs in each language, compared byte
// for byte with the kept one. The pictures of the Japanese game are named after their shots;
// every other language keeps only its shots with words (intro_card_en for English), and its
// other shots must be the Japanese pictures exactly.
//
// After an intended change of what a scene shows, record the pictures again and look
// at every changed one before committing it:
//   VAULMOOR_RECORD_GOLDEN=1 ctest --test-dir build -R GoldenPictures
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "gfx/bitmap_file.h"
#include "golden_runs.h"
#include "lang/language.h"
#include "support/run_folder.h"

namespace {

namespace fs = std::filesystem;

std::string GoldenPath(const std::string& picture) {
  return VAULMOOR_SOURCE_DIR "/tests/golden/pictures/" + picture + ".bmp";
}

bool Recording() {
  const char* record = std::getenv("VAULMOOR_RECORD_GOLDEN");
  return record != nullptr && std::string(record) == "1";
}

// A picture of the kept one in greys with every pixel that differs in red.
void WriteDifference(const std::string& keptBytes, const std::string& actualBytes,
                     const std::string& path) {
  gfx::BitmapImage kept, actual;
  auto decode = [](const std::string& bytes, gfx::BitmapImage* image) {
    return gfx::DecodeBitmap(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), image);
  };
  if (!decode(keptBytes, &kept).empty() || !decode(actualBytes, &actual).empty() ||
      kept.width != actual.width || kept.height != actual.height)
    return;
  uint8_t palette[256][3] = {};
  for (int i = 0; i < 255; ++i)
    palette[i][0] = palette[i][1] = palette[i][2] = static_cast<uint8_t>(i / 2);
  palette[255][0] = 255;
  std::vector<uint8_t> pixels(static_cast<size_t>(kept.width) * kept.height);
  for (size_t i = 0; i < pixels.size(); ++i) {
    const uint8_t* a = &kept.rgb[i * 3];
    const uint8_t* b = &actual.rgb[i * 3];
    bool same = a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
    pixels[i] = same ? static_cast<uint8_t>((a[0] * 3 + a[1] * 6 + a[2]) / 10 % 255) : 255;
  }
  gfx::WriteBitmap8(path.c_str(), kept.width, kept.height, pixels.data(), kept.width, palette);
}

// Keeps the actual picture and its difference where the failure message says.
std::string KeepFailure(const std::string& picture, const std::string& kept,
                        const std::string& actual) {
  fs::create_directories(GOLDEN_FAILURE_DIR);
  std::string base = std::string(GOLDEN_FAILURE_DIR) + "/" + picture;
  std::ofstream(base + ".actual.bmp", std::ios::binary) << actual;
  WriteDifference(kept, actual, base + ".diff.bmp");
  return base + ".actual.bmp and " + base + ".diff.bmp";
}

// The kept picture of a shot in a language, and whether that language may record it.
struct Kept {
  std::string picture;
  bool own;
};

Kept KeptPicture(const golden::SceneRun& run, const char* shot, const std::string& language) {
  if (language == lang::SOURCE_LANGUAGE) return {shot, true};
  for (const char* worded : run.worded) {
    if (std::string(worded) == shot) return {std::string(shot) + "_" + language, true};
  }
  return {shot, false};
}

class GoldenPictures : public testing::TestWithParam<std::tuple<const char*, const char*>> {};

TEST_P(GoldenPictures, MatchTheKeptOnes) {
  const golden::SceneRun& run = golden::FindRun(std::get<0>(GetParam()));
  const std::string language = std::get<1>(GetParam());
  golden::RunOutcome outcome = golden::Play(run, language);
  ASSERT_EQ(outcome.exitStatus, 1) << outcome.errors;
  for (size_t n = 0; n < run.shots.size(); ++n) {
    std::string actual = testsupport::ReadFile(testsupport::ScreenshotPath(outcome.folder, n));
    ASSERT_FALSE(actual.empty()) << "no screenshot for " << run.shots[n];
    const Kept kept = KeptPicture(run, run.shots[n], language);
    std::string path = GoldenPath(kept.picture);
    if (Recording() && kept.own) {
      std::ofstream(path, std::ios::binary) << actual;
      continue;
    }
    std::string keptBytes = testsupport::ReadFile(path);
    if (keptBytes != actual)
      ADD_FAILURE() << run.shots[n] << " in " << language << " differs from " << path << "; see "
                    << KeepFailure(run.shots[n] + ("_" + language), keptBytes, actual);
  }
  EXPECT_FALSE(
      testsupport::FileExists(testsupport::ScreenshotPath(outcome.folder, run.shots.size())))
      << "more screenshots than golden pictures";
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, GoldenPictures,
    testing::Combine(testing::Values("title", "browse", "sink", "overripe", "rotten", "good",
                                     "ending", "records", "editor"),
                     testing::ValuesIn(lang::Languages())),
    [](const testing::TestParamInfo<std::tuple<const char*, const char*>>& row) {
      return std::string(std::get<0>(row.param)) + "_" + std::get<1>(row.param);
    });

}  // namespace
