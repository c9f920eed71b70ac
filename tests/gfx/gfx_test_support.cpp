// Helpers shared by the graphics engine tests.
#include "gfx_test_support.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include "gfx/palette.h"
#include "gfx/present.h"
#include "gfx/surfaces.h"
#include "platform/platform.h"
#include "shared/shell_state.h"

namespace gfxtest {

TempDir::TempDir() {
  // Test programs may run side by side: the folder name must not collide.
  std::random_device entropy;
  const std::string name = "vaulmoor-gfx-" + std::to_string(entropy()) + std::to_string(entropy());
  path_ = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

Palette VariedPalette(uint32_t seed) {
  std::mt19937 generator(seed);
  Palette palette;
  for (int i = 1; i < 256; ++i)
    for (int c = 0; c < 3; ++c) palette.rgb[i][c] = static_cast<uint8_t>(generator() & 0xFF);
  return palette;
}

void WritePaletteFile(const std::string& path, const Palette& palette) {
  BitmapLayout layout;
  layout.coloursUsed = 256;
  for (const auto& colour : palette.rgb)
    layout.tableRgb.insert(layout.tableRgb.end(), colour, colour + 3);
  layout.rows = {0, 0, 0, 0};
  WriteAll(path, MakeBitmap(layout));
}

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

}  // namespace

std::vector<uint8_t> MakeBitmap(const BitmapLayout& layout) {
  // The masks follow the 40-byte header; the longer headers hold them as their next fields.
  const uint32_t maskBytes =
      layout.infoHeaderBytes > 40 ? 0 : static_cast<uint32_t>(layout.masks.size()) * 4;
  const uint32_t offset = 14 + layout.infoHeaderBytes + maskBytes + layout.tableEntries * 4;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + static_cast<uint32_t>(layout.rows.size()));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, layout.infoHeaderBytes);
  Put32(out, static_cast<uint32_t>(layout.width));
  Put32(out, static_cast<uint32_t>(layout.height));
  Put16(out, 1);
  Put16(out, layout.bitsPerPixel);
  Put32(out, layout.compression);
  Put32(out, static_cast<uint32_t>(layout.rows.size()));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, layout.coloursUsed);
  Put32(out, 0);
  for (uint32_t mask : layout.masks) Put32(out, mask);
  out.resize(std::max<size_t>(out.size(), 14 + layout.infoHeaderBytes), 0);
  for (uint32_t i = 0; i < layout.tableEntries; ++i) {
    const bool given = (i + 1) * 3 <= layout.tableRgb.size();
    out.push_back(given ? layout.tableRgb[i * 3 + 2] : 0);
    out.push_back(given ? layout.tableRgb[i * 3 + 1] : 0);
    out.push_back(given ? layout.tableRgb[i * 3 + 0] : 0);
    out.push_back(0);
  }
  out.insert(out.end(), layout.rows.begin(), layout.rows.end());
  return out;
}

std::vector<uint8_t> PaddedRows(int32_t width, int32_t height, bool topDown,
                                const std::function<std::vector<uint8_t>(size_t pixel)>& encode) {
  std::vector<uint8_t> rows;
  for (int32_t r = 0; r < height; ++r) {
    const int32_t y = topDown ? r : height - 1 - r;
    for (int32_t x = 0; x < width; ++x) {
      const std::vector<uint8_t> bytes = encode(static_cast<size_t>(y) * width + x);
      rows.insert(rows.end(), bytes.begin(), bytes.end());
    }
    rows.resize((rows.size() + 3) / 4 * 4, 0);
  }
  return rows;
}

std::vector<uint8_t> Rows8(const std::vector<std::vector<uint8_t>>& topFirst) {
  const size_t width = topFirst[0].size();
  return PaddedRows(static_cast<int32_t>(width), static_cast<int32_t>(topFirst.size()), false,
                    [&](size_t p) { return std::vector<uint8_t>{topFirst[p / width][p % width]}; });
}

void DisplayTest::SetUp() {
  platform::Options options;
  options.headless = true;
  ASSERT_TRUE(platform::Init(options));
  reportPath_ = dir_.File("report.txt");
  shared::ReportFile = std::fopen(reportPath_.c_str(), "w");
  ASSERT_NE(shared::ReportFile, nullptr);
  shared::PageFlipMode = 0;
  for (auto& entry : gfx::PaletteEntries) entry = {};
  gfx::ResetDrawTarget();
  gfx::ScreenshotKeyLatch = 0;
  ASSERT_EQ(gfx::InitDisplay(gfx::SCREEN_WIDTH, gfx::SCREEN_HEIGHT), 1);
  displayUp_ = true;
}

void DisplayTest::TearDown() {
  if (displayUp_) gfx::ShutdownDisplay();
  gfx::ResetDrawTarget();
  if (shared::ReportFile) std::fclose(shared::ReportFile);
  shared::ReportFile = nullptr;
  platform::Shutdown();
}

std::string DisplayTest::Report() {
  std::fflush(shared::ReportFile);
  return ReadText(reportPath_);
}

}  // namespace gfxtest
