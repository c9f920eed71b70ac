// Helpers shared by the graphics engine tests: temporary folders, small files
// and a headless display brought up and torn down around each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace gfxtest {

// A fresh empty folder under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::vector<uint8_t> ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes);
// The whole contents of a text file.
std::string ReadText(const std::string& path);

// A palette as 256 red, green, blue triples.
using Rgb = uint8_t[3];
struct Palette {
  uint8_t rgb[256][3] = {};
};
// Deterministic varied colours (a fixed-seed generator), index 0 black.
Palette VariedPalette(uint32_t seed);
// Writes a palette bitmap: the 8-bit file layout with a 1 x 1 picture.
void WritePaletteFile(const std::string& path, const Palette& palette);

// Builds bitmap file bytes by hand, so that tests can give any header values.
struct BitmapLayout {
  int32_t width = 1;
  int32_t height = 1;  // negative: top row first
  uint16_t bitsPerPixel = 8;
  uint32_t compression = 0;
  uint32_t coloursUsed = 0;
  uint32_t tableEntries = 256;  // colour entries actually written
  uint32_t infoHeaderBytes = 40;
  std::vector<uint32_t> masks;    // bit masks: after a 40-byte header, inside a longer one
  std::vector<uint8_t> tableRgb;  // red, green, blue per entry (missing ones black)
  std::vector<uint8_t> rows;      // the stored pixel rows, padding included
};
std::vector<uint8_t> MakeBitmap(const BitmapLayout& layout);
// The stored rows of a width x height picture: each pixel as encode gives its
// bytes (pixels numbered row by row from the top), each row padded to 4 bytes;
// bottom row first unless topDown. Pixels are encoded in stored order.
std::vector<uint8_t> PaddedRows(int32_t width, int32_t height, bool topDown,
                                const std::function<std::vector<uint8_t>(size_t pixel)>& encode);
// The stored rows of an 8-bit picture given top row first (bottom row first in
// the file, each row padded to 4 bytes).
std::vector<uint8_t> Rows8(const std::vector<std::vector<uint8_t>>& topFirst);

// Brings up the headless platform and display with a report file, and shuts
// them down after the test.
class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Everything written to the report file so far.
  std::string Report();
  TempDir dir_;
  std::string reportPath_;
  bool displayUp_ = false;
};

}  // namespace gfxtest
