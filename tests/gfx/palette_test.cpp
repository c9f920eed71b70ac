// Tests of the palette loader and the colour lookup tables.
#include "gfx/palette.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "gfx/surfaces.h"
#include "gfx_test_support.h"

namespace {

using gfxtest::Palette;

// The tables computed the plain way: every target searched over all 256
// colours, no shortcuts. The builder must give exactly these bytes.
struct ReferenceTables {
  std::array<uint8_t, 256 * 256> mix;
  std::array<uint8_t, 14 * 256> remap;
  std::array<uint8_t, 14 * 256> ramp;
};

int Nearest(const Palette& p, int r, int g, int b) {
  int best = 195075, index = -1;
  for (int i = 0; i < 256; ++i) {
    const int dr = p.rgb[i][0] - r, dg = p.rgb[i][1] - g, db = p.rgb[i][2] - b;
    const int d = dr * dr + dg * dg + db * db;
    if (d < best) {
      best = d;
      index = i;
    }
  }
  return index < 0 ? 255 : index;
}

// Step i of ramp k, written out ramp by ramp.
std::array<int, 3> Step(int k, int i) {
  const int up = i < 128 ? 2 * i : 255, rest = i < 128 ? 0 : 2 * i - 256;
  const int a = i < 85 ? 3 * i : 255;
  const int b = i < 85 ? 0 : (i < 170 ? 3 * (i - 85) : 255);
  const int c = i < 170 ? 0 : 3 * (i - 170);
  switch (k) {
    case 1:
      return {up, rest, rest};
    case 2:
      return {rest, up, rest};
    case 3:
      return {rest, rest, up};
    case 4:
      return {up, up, rest};
    case 5:
      return {up, rest, up};
    case 6:
      return {rest, up, up};
    case 7:
      return {i, i, i};
    case 8:
      return {a, b, c};  // red, green, blue
    case 9:
      return {a, c, b};  // red, blue, green
    case 10:
      return {b, a, c};  // green, red, blue
    case 11:
      return {c, a, b};  // green, blue, red
    case 12:
      return {b, c, a};  // blue, red, green
    default:
      return {c, b, a};  // blue, green, red
  }
}

ReferenceTables Reference(const Palette& p) {
  ReferenceTables t{};
  for (int a = 0; a < 256; ++a)
    for (int b = 0; b < 256; ++b)
      t.mix[a * 256 + b] =
          a == b ? a
                 : Nearest(p, (p.rgb[a][0] + p.rgb[b][0]) / 2, (p.rgb[a][1] + p.rgb[b][1]) / 2,
                           (p.rgb[a][2] + p.rgb[b][2]) / 2);
  for (int c = 0; c < 256; ++c) {
    t.remap[c] = Nearest(p, 255 - p.rgb[c][0], 255 - p.rgb[c][1], 255 - p.rgb[c][2]);
    for (int k = 1; k < 14; ++k) {
      const auto s = Step(k, c);
      t.ramp[k * 256 + c] = Nearest(p, s[0], s[1], s[2]);
    }
  }
  for (int k = 1; k < 14; ++k)
    for (int c = 0; c < 256; ++c) {
      int best = 195075, index = -1;
      for (int j = 0; j < 256; ++j) {
        const int cand = t.ramp[k * 256 + j];
        const int dr = p.rgb[cand][0] - p.rgb[c][0], dg = p.rgb[cand][1] - p.rgb[c][1],
                  db = p.rgb[cand][2] - p.rgb[c][2];
        const int d = dr * dr + dg * dg + db * db;
        if (d < best) {
          best = d;
          index = cand;
        }
      }
      t.remap[k * 256 + c] = index < 0 ? 255 : index;
    }
  return t;
}

void ExpectTablesEqual(const ReferenceTables& expected) {
  EXPECT_EQ(std::memcmp(gfx::MixTable, expected.mix.data(), expected.mix.size()), 0);
  EXPECT_EQ(std::memcmp(gfx::RemapTables, expected.remap.data(), expected.remap.size()), 0);
  EXPECT_EQ(std::memcmp(gfx::RampTables + 256, expected.ramp.data() + 256, 13 * 256), 0);
}

void ClearTables() {
  std::memset(gfx::MixTable, 0, sizeof gfx::MixTable);
  std::memset(gfx::RemapTables, 0, sizeof gfx::RemapTables);
  std::memset(gfx::RampTables, 0, sizeof gfx::RampTables);
}

// A palette with repeated colours: grey levels at several indices, the
// varied colours elsewhere.
Palette PaletteWithDuplicates() {
  Palette p = gfxtest::VariedPalette(7);
  const int greys[][2] = {{40, 128}, {90, 128}, {200, 128}, {30, 64}, {31, 64}, {250, 255}};
  for (const auto& g : greys)
    p.rgb[g[0]][0] = p.rgb[g[0]][1] = p.rgb[g[0]][2] = static_cast<uint8_t>(g[1]);
  return p;
}

class ColourTables : public gfxtest::DisplayTest {
 protected:
  // Builds the tables from this palette with no cache present.
  void Build(const Palette& palette) {
    gfxtest::WritePaletteFile(pal_, palette);
    std::filesystem::remove(cache_);
    ClearTables();
    ASSERT_EQ(gfx::BuildColourTables(pal_.c_str(), cache_.c_str()), 1);
  }
  std::string pal_ = dir_.File("pal.bmp");
  std::string cache_ = dir_.File("palfile.dat");
};

TEST_F(ColourTables, ComputedTablesEqualThePlainSearch) {
  for (const Palette& palette : {PaletteWithDuplicates(), gfxtest::VariedPalette(3), Palette{}}) {
    Build(palette);
    ExpectTablesEqual(Reference(palette));
  }
}

TEST_F(ColourTables, AllBlackPaletteGivesTheUnmatchedIndexForWhite) {
  // White is exactly as far from black as the search's starting distance, so
  // nothing replaces the start and the entry becomes 255.
  Build(Palette{});
  EXPECT_EQ(gfx::RemapTables[0 * 256 + 0], 255);  // negative of black is white
  EXPECT_EQ(gfx::RampTables[7 * 256 + 255], 255);
  EXPECT_EQ(gfx::RampTables[7 * 256 + 254], 0);
}

TEST_F(ColourTables, CacheFileHasItsLayoutAndReadsBackIdentically) {
  const Palette palette = PaletteWithDuplicates();
  Build(palette);
  const std::vector<uint8_t> cache = gfxtest::ReadAll(cache_);
  ASSERT_EQ(cache.size(), static_cast<size_t>(gfx::PALETTE_CACHE_SIZE));
  const ReferenceTables expected = Reference(palette);
  EXPECT_EQ(cache[0], expected.mix[0 * 256 + 1]);
  EXPECT_EQ(cache[255], expected.mix[1 * 256 + 2]);
  EXPECT_EQ(cache[32639], expected.mix[254 * 256 + 255]);
  for (int a = 0; a < 255; ++a)
    for (int b = a + 1; b < 256; ++b)
      ASSERT_EQ(cache[a * 255 - a * (a - 1) / 2 + (b - a - 1)], expected.mix[a * 256 + b]);
  for (int k = 0; k < 14; ++k)
    for (int c = 0; c < 256; ++c)
      ASSERT_EQ(cache[32640 + k * 256 + c], expected.remap[k * 256 + c]);
  for (int k = 1; k < 14; ++k)
    for (int i = 0; i < 256; ++i)
      ASSERT_EQ(cache[36224 + (k - 1) * 256 + i], expected.ramp[k * 256 + i]);

  ClearTables();
  ASSERT_EQ(gfx::BuildColourTables(pal_.c_str(), cache_.c_str()), 1);
  ExpectTablesEqual(expected);
}

TEST_F(ColourTables, ExistingCacheIsUsedAsItStands) {
  Build(gfxtest::VariedPalette(4));
  std::vector<uint8_t> cache = gfxtest::ReadAll(cache_);
  cache[255] = 77;                   // mix entry (1, 2)
  cache[32640 + 3 * 256 + 9] = 78;   // remap row 3, colour 9
  cache[36224 + 12 * 256 + 5] = 79;  // ramp row 13, step 5
  gfxtest::WriteAll(cache_, cache);
  ClearTables();
  ASSERT_EQ(gfx::BuildColourTables(pal_.c_str(), cache_.c_str()), 1);
  EXPECT_EQ(gfx::MixTable[1 * 256 + 2], 77);
  EXPECT_EQ(gfx::MixTable[2 * 256 + 1], 77);
  EXPECT_EQ(gfx::RemapTables[3 * 256 + 9], 78);
  EXPECT_EQ(gfx::RampTables[13 * 256 + 5], 79);
  EXPECT_EQ(gfxtest::ReadAll(cache_), cache);  // not rewritten
}

TEST_F(ColourTables, CacheOfTheWrongSizeIsRebuilt) {
  const Palette palette = gfxtest::VariedPalette(5);
  Build(palette);
  const std::vector<uint8_t> good = gfxtest::ReadAll(cache_);
  for (size_t size : {size_t{0}, size_t{100}, good.size() - 1, good.size() + 1}) {
    std::vector<uint8_t> wrong(size, 9);
    gfxtest::WriteAll(cache_, wrong);
    ClearTables();
    ::testing::internal::CaptureStderr();
    ASSERT_EQ(gfx::BuildColourTables(pal_.c_str(), cache_.c_str()), 1);
    EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
    ExpectTablesEqual(Reference(palette));
    EXPECT_EQ(gfxtest::ReadAll(cache_), good) << "size " << size;
  }
}

TEST_F(ColourTables, UnwritableCacheStillGivesTheTables) {
  const Palette palette = gfxtest::VariedPalette(6);
  gfxtest::WritePaletteFile(pal_, palette);
  ClearTables();
  ::testing::internal::CaptureStderr();
  ASSERT_EQ(gfx::BuildColourTables(pal_.c_str(), dir_.File("no/such/palfile.dat").c_str()), 1);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("no/such/palfile.dat"),
            std::string::npos);
  ExpectTablesEqual(Reference(palette));
}

TEST_F(ColourTables, MixTableIsSymmetricWithItsOwnDiagonal) {
  Build(PaletteWithDuplicates());
  for (int a = 0; a < 256; ++a) {
    EXPECT_EQ(gfx::MixTable[a * 256 + a], a);
    for (int b = 0; b < 256; ++b) ASSERT_EQ(gfx::MixTable[a * 256 + b], gfx::MixTable[b * 256 + a]);
  }
}

TEST_F(ColourTables, RepeatedColoursGiveTheirLowestIndex) {
  // 40, 90 and 200 are all (128, 128, 128); 30 and 31 are (64, 64, 64).
  Build(PaletteWithDuplicates());
  EXPECT_EQ(gfx::MixTable[90 * 256 + 200], 40);
  EXPECT_EQ(gfx::MixTable[200 * 256 + 90], 40);
  EXPECT_EQ(gfx::MixTable[200 * 256 + 200], 200);  // the diagonal keeps its own index
  EXPECT_EQ(gfx::MixTable[31 * 256 + 31], 31);
  EXPECT_EQ(gfx::MixTable[30 * 256 + 31], 30);
  EXPECT_EQ(gfx::RampTables[7 * 256 + 128], 40);
  EXPECT_EQ(gfx::RampTables[7 * 256 + 64], 30);
  // Remapping a grey to greyscale gives that grey's lowest index.
  EXPECT_EQ(gfx::RemapTables[7 * 256 + 200], 40);
  EXPECT_EQ(gfx::RemapTables[7 * 256 + 31], 30);
  EXPECT_EQ(gfx::NearestPaletteIndex(128, 128, 128), 40);
}

TEST(NearestPaletteIndex, FollowsEveryPaletteChange) {
  // Remembered answers must not outlive the palette they were found in,
  // however the entries are changed.
  for (gfx::PaletteEntry& entry : gfx::PaletteEntries) entry = {0, 0, 0, 0};
  gfx::PaletteEntries[7] = {200, 10, 10, 0};
  EXPECT_EQ(gfx::NearestPaletteIndex(210, 0, 0), 7);
  EXPECT_EQ(gfx::NearestPaletteIndex(0x000000D2u), 7);  // 0x00BBGGRR
  gfx::PaletteEntries[3] = {210, 0, 0, 0};
  EXPECT_EQ(gfx::NearestPaletteIndex(210, 0, 0), 3);
  gfx::PaletteEntries[3].red = 0;
  EXPECT_EQ(gfx::NearestPaletteIndex(210, 0, 0), 7);
  gfx::PaletteEntries[200] = {0, 0, 250, 0};
  EXPECT_EQ(gfx::NearestPaletteIndex(0x00FA0000u), 200);
  EXPECT_EQ(gfx::NearestPaletteIndex(210, 0, 0), 7);
}

TEST_F(ColourTables, RampsStartBlackAndEndAsTheirFormulasSay) {
  Palette p = gfxtest::VariedPalette(8);
  p.rgb[0][0] = p.rgb[0][1] = p.rgb[0][2] = 0;
  const struct {
    int index;
    uint8_t r, g, b;
  } exact[] = {{10, 255, 254, 254},  // end of ramp 1
               {11, 254, 255, 254},  // end of ramp 2
               {12, 255, 255, 254},  // end of ramp 4
               {13, 255, 255, 255},  // end of ramps 7 to 13
               {14, 255, 252, 0},    // ramp 8 at step 169
               {15, 0, 252, 255}};   // ramp 13 at step 169
  for (const auto& e : exact) {
    p.rgb[e.index][0] = e.r;
    p.rgb[e.index][1] = e.g;
    p.rgb[e.index][2] = e.b;
  }
  Build(p);
  for (int k = 1; k < 14; ++k) EXPECT_EQ(gfx::RampTables[k * 256 + 0], 0) << "ramp " << k;
  EXPECT_EQ(gfx::RampTables[1 * 256 + 255], 10);
  EXPECT_EQ(gfx::RampTables[2 * 256 + 255], 11);
  EXPECT_EQ(gfx::RampTables[4 * 256 + 255], 12);
  for (int k = 7; k < 14; ++k) EXPECT_EQ(gfx::RampTables[k * 256 + 255], 13) << "ramp " << k;
  EXPECT_EQ(gfx::RampTables[8 * 256 + 169], 14);
  EXPECT_EQ(gfx::RampTables[13 * 256 + 169], 15);
}

TEST_F(ColourTables, LoadPaletteReadsColoursAndFlagsAndSetsTheDisplay) {
  std::vector<uint8_t> file(1078, 0);
  file[0] = 'B';
  file[1] = 'M';
  for (int i = 0; i < 256; ++i) {
    file[54 + 4 * i + 0] = static_cast<uint8_t>(i);         // blue
    file[54 + 4 * i + 1] = static_cast<uint8_t>(i ^ 0x55);  // green
    file[54 + 4 * i + 2] = static_cast<uint8_t>(255 - i);   // red
    file[54 + 4 * i + 3] = static_cast<uint8_t>(i & 3);     // flags
  }
  gfxtest::WriteAll(pal_, file);
  ASSERT_EQ(gfx::LoadPalette(pal_.c_str()), 1);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(gfx::PaletteEntries[i].red, 255 - i);
    EXPECT_EQ(gfx::PaletteEntries[i].green, i ^ 0x55);
    EXPECT_EQ(gfx::PaletteEntries[i].blue, i);
    EXPECT_EQ(gfx::PaletteEntries[i].flags, i & 3);
    EXPECT_EQ(gfx::DisplayPalette[i][0], 255 - i);
    EXPECT_EQ(gfx::DisplayPalette[i][2], i);
  }
}

TEST_F(ColourTables, MissingShortOrUnreadablePaletteFileIsRefused) {
  gfxtest::WritePaletteFile(pal_, gfxtest::VariedPalette(9));
  ASSERT_EQ(gfx::LoadPalette(pal_.c_str()), 1);
  const gfx::PaletteEntry before = gfx::PaletteEntries[100];
  std::vector<uint8_t> file = gfxtest::ReadAll(pal_);
  file.resize(1077);
  gfxtest::WriteAll(pal_, file);
  std::filesystem::create_directory(dir_.File("folder.bmp"));
  for (const std::string& name : {pal_, dir_.File("missing.bmp"), dir_.File("folder.bmp")}) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(gfx::LoadPalette(name.c_str()), 0);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(name), std::string::npos);
    EXPECT_EQ(gfx::BuildColourTables(name.c_str(), cache_.c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(cache_));
  }
  EXPECT_EQ(gfx::PaletteEntries[100].red, before.red);
  EXPECT_EQ(gfx::PaletteEntries[100].blue, before.blue);
}

TEST_F(ColourTables, ApplyPaletteHandsOnlyValidRangesToTheDisplay) {
  for (int i = 0; i < 256; ++i) gfx::PaletteEntries[i] = {static_cast<uint8_t>(i), 1, 2, 0};
  const struct {
    int first, count;
    bool applied;
  } cases[] = {{200, 57, false}, {0, 0, false},   {0, 257, false}, {-1, 10, false}, {256, 1, false},
               {5, -3, false},   {200, 56, true}, {0, 256, true},  {255, 1, true},  {17, 1, true}};
  for (const auto& c : cases) {
    std::memset(gfx::DisplayPalette, 0xEE, sizeof gfx::DisplayPalette);
    gfx::ApplyPalette(c.first, c.count);
    for (int i = 0; i < 256; ++i) {
      const bool inside = c.applied && i >= c.first && i < c.first + c.count;
      ASSERT_EQ(gfx::DisplayPalette[i][0], inside ? i : 0xEE)
          << "first " << c.first << " count " << c.count << " entry " << i;
    }
  }
}

TEST_F(ColourTables, SaveAndRestoreKeepFlagsAndLeaveTheDisplayAlone) {
  for (int i = 0; i < 256; ++i) gfx::PaletteEntries[i] = {static_cast<uint8_t>(i), 2, 3, 4};
  gfx::SavePalette();
  for (auto& entry : gfx::PaletteEntries) entry = {9, 9, 9, 7};
  gfx::ApplyPalette(0, 256);
  gfx::RestorePalette();
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(gfx::PaletteEntries[i].red, i);
    EXPECT_EQ(gfx::PaletteEntries[i].green, 2);
    EXPECT_EQ(gfx::PaletteEntries[i].blue, 3);
    EXPECT_EQ(gfx::PaletteEntries[i].flags, 7);
    EXPECT_EQ(gfx::DisplayPalette[i][0], 9);  // shown only after ApplyPalette
  }
}

}  // namespace
