// The files the game cannot run without (data/stage.dat, pal.bmp, the nine
// start-up bitmaps), missing or damaged: each stops the program at start-up.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

using robustness::PutDirectory;
using robustness::PutFile;
using testsupport::ReadFile;

struct DamageCase {
  const char* name;  // test name
  const char* file;  // path in the run folder
  std::function<void(const std::string& path)> damage;
  const char* fault;  // what the message must say about the file
};

// Test names and messages show a row by its name.
void PrintTo(const DamageCase& row, std::ostream* out) {
  *out << row.name;
}

void Remove(const std::string& path) {
  std::remove(path.c_str());
}

// Cuts the file to its first count bytes.
std::function<void(const std::string&)> Truncate(size_t count) {
  return [count](const std::string& path) { PutFile(path, ReadFile(path).substr(0, count)); };
}

std::function<void(const std::string&)> Replace(const std::string& bytes) {
  return [bytes](const std::string& path) { PutFile(path, bytes); };
}

// Overwrites the little-endian 32-bit field at offset.
std::function<void(const std::string&)> Patch32(size_t offset, uint32_t value) {
  return [offset, value](const std::string& path) {
    std::string bytes = ReadFile(path);
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
    PutFile(path, bytes);
  };
}

std::function<void(const std::string&)> Patch16(size_t offset, uint16_t value) {
  return [offset, value](const std::string& path) {
    std::string bytes = ReadFile(path);
    bytes[offset] = static_cast<char>(value);
    bytes[offset + 1] = static_cast<char>(value >> 8);
    PutFile(path, bytes);
  };
}

// One damage after the other.
std::function<void(const std::string&)> Both(std::function<void(const std::string&)> first,
                                             std::function<void(const std::string&)> second) {
  return [first, second](const std::string& path) {
    first(path);
    second(path);
  };
}

// The open-floor stages with the first stage's block beginning differently.
std::string StagesStartingWith(const std::string& firstNumbers, size_t replaced) {
  std::string text = robustness::OpenFloorStages();
  return firstNumbers + text.substr(replaced);
}

class StartupFileDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(StartupFileDamage, StopsWithTheFileAndFaultNamed) {
  const DamageCase& row = GetParam();
  const std::string folder = robustness::MakeOpenFloorFolder(std::string("startup_") + row.name);
  row.damage(folder + row.file);
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  robustness::ExpectStartupFailure(run, row.file, row.fault);
  EXPECT_FALSE(testsupport::FileExists(folder + "data/save.dat")) << "the game went on";
}

// "1 1 0 0\n" opens every open-floor stage block: 8 characters.
constexpr size_t FIRST_HEADER = 8;

INSTANTIATE_TEST_SUITE_P(
    StageFile, StartupFileDamage,
    testing::Values(
        DamageCase{"StageMissing", "data/stage.dat", Remove, "the stage file does not exist"},
        DamageCase{"StageEmpty", "data/stage.dat", Replace(""), "the file ends"},
        DamageCase{"StageTruncated", "data/stage.dat", Truncate(3000), "the file ends"},
        DamageCase{"StageGarbage", "data/stage.dat", Replace(robustness::GarbageBytes(6000, 1)),
                   "is not a number"},
        DamageCase{"StageStartOutside", "data/stage.dat",
                   Replace(StagesStartingWith("12 1 0 0\n", FIRST_HEADER)), "outside 1..9"},
        DamageCase{"StageAbsurdCheeseCount", "data/stage.dat",
                   Replace(StagesStartingWith("1 1 0 1000000\n", FIRST_HEADER)), "outside 0..10"},
        DamageCase{"StageCatalogueIndexOutside", "data/stage.dat",
                   Replace(StagesStartingWith("1 1 0 1 99 1\n", FIRST_HEADER)), "outside 0..13"},
        DamageCase{"StageCellOutside", "data/stage.dat",
                   Replace(StagesStartingWith("1 1 0 0\n0 6", FIRST_HEADER + 3)), "cells hold"},
        DamageCase{"StageNumberTooLarge", "data/stage.dat",
                   Replace(StagesStartingWith("99999999999 1 0 0\n", FIRST_HEADER)),
                   "is not a number"},
        DamageCase{"StageWords", "data/stage.dat", Replace("one one nothing none\n"),
                   "is not a number"},
        DamageCase{"StageDirectory", "data/stage.dat", PutDirectory, "the stage file is a folder"}),
    robustness::RowName());

INSTANTIATE_TEST_SUITE_P(
    PaletteFile, StartupFileDamage,
    testing::Values(DamageCase{"PaletteMissing", "pal.bmp", Remove, "cannot open"},
                    DamageCase{"PaletteEmpty", "pal.bmp", Replace(""), "shorter"},
                    DamageCase{"PaletteTruncated", "pal.bmp", Truncate(1000), "shorter"},
                    DamageCase{"PaletteDirectory", "pal.bmp", PutDirectory, "directory"}),
    robustness::RowName());

// Offsets in a bitmap file: file header, then the information header at 14.
constexpr size_t BMP_WIDTH = 18;
constexpr size_t BMP_BITS = 28;
constexpr size_t BMP_COMPRESSION = 30;
constexpr size_t BMP_COLOURS_USED = 46;

INSTANTIATE_TEST_SUITE_P(
    Bitmap, StartupFileDamage,
    testing::Values(
        DamageCase{"Graphic1Missing", "data/graphic1.bmp", Remove, "does not exist"},
        DamageCase{"Graphic2Missing", "data/graphic2.bmp", Remove, "does not exist"},
        DamageCase{"Graphic3Missing", "data/graphic3.bmp", Remove, "does not exist"},
        DamageCase{"KestruneMissing", "data/kestrune.bmp", Remove, "does not exist"},
        DamageCase{"Graphic4Missing", "data/graphic4.bmp", Remove, "does not exist"},
        DamageCase{"Graphic5Missing", "data/graphic5.bmp", Remove, "does not exist"},
        DamageCase{"Graphic6Missing", "data/graphic6.bmp", Remove, "does not exist"},
        DamageCase{"Graphic7Missing", "data/graphic7.bmp", Remove, "does not exist"},
        DamageCase{"Graphic8Missing", "data/graphic8.bmp", Remove, "does not exist"},
        DamageCase{"BitmapEmpty", "data/graphic1.bmp", Replace(""), "too short"},
        DamageCase{"BitmapTruncatedTable", "data/graphic2.bmp", Truncate(600), "runs past the end"},
        DamageCase{"BitmapTruncatedPixels", "data/graphic3.bmp", Truncate(20000),
                   "pixel data runs past the end"},
        DamageCase{"BitmapGarbage", "data/graphic5.bmp", Replace(robustness::GarbageBytes(9000, 2)),
                   "not a bitmap"},
        DamageCase{"BitmapAbsurdWidth", "data/graphic6.bmp", Patch32(BMP_WIDTH, 100000),
                   "image size"},
        DamageCase{"BitmapNegativeWidth", "data/graphic6.bmp", Patch32(BMP_WIDTH, 0xFFFFFF00u),
                   "image size"},
        DamageCase{"BitmapAbsurdColourCount", "data/graphic7.bmp",
                   Patch32(BMP_COLOURS_USED, 100000), "colour count"},
        DamageCase{"BitmapUnsupportedDepth", "data/graphic8.bmp", Patch16(BMP_BITS, 7),
                   "bits per pixel 7"},
        DamageCase{"BitmapUnknownCompression", "data/kestrune.bmp", Patch32(BMP_COMPRESSION, 4),
                   "unsupported compression 4"},
        // Uncompressed rows read as run-length codes: the fixture's rows
        // hold no zero byte, so no code ever ends the picture.
        DamageCase{"BitmapRunLengthWithoutEnd", "data/graphic8.bmp", Patch32(BMP_COMPRESSION, 1),
                   "cannot decode"},
        DamageCase{"BitmapRunLengthCutShort", "data/graphic8.bmp",
                   Both(Patch32(BMP_COMPRESSION, 1), Truncate(20000)),
                   "pixel data runs past the end"},
        DamageCase{"BitmapDirectory", "data/graphic4.bmp", PutDirectory, "is a folder"}),
    robustness::RowName());

// The palette's headers are not examined (only its 256 colour entries are), so
// bytes of the right length are taken as colours, whatever they are: the game
// runs with those colours and nothing is read outside the file.
TEST(PaletteFile, GarbageOfTheRightLengthIsTakenAsColours) {
  const std::string folder = robustness::MakeOpenFloorFolder("palette_garbage");
  PutFile(folder + "pal.bmp", robustness::GarbageBytes(54 + 1024, 3));
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), "1 20");
}

}  // namespace
