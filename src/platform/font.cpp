// Glyph source for the text renderer: IPAGothic through FreeType, the Shinonome
// 12-pixel bitmap fonts among the game's files for kanji, kana and ASCII at size 12.
#include "platform/font.h"

#include <ft2build.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include "platform/files.h"
#include "platform/font_files.h"
#include "platform/whole_file.h"

namespace platform {

namespace {

constexpr const char* GOTHIC_FAMILY = "IPAGothic";
constexpr const char* BITMAP_FONT_FOLDER = "data/fonts/";
constexpr int32_t BITMAP_FONT_SIZE = 12;
constexpr uint32_t REPLACEMENT_CHARACTER = 0xFFFD;

struct FontSet {
  bool tried = false;
  bool loaded = false;
  FT_Library library = nullptr;
  FT_Face gothic = nullptr;
  int32_t gothicSize = 0;  // pixel size currently set on the Gothic face
  int32_t typoAscender = 0;
  int32_t unitsPerEm = 1;
  FT_Face kanji = nullptr;  // shnmk12: JIS X 0208 codes
  FT_Face ascii = nullptr;  // shnm6x12a: Unicode (ISO 8859-1)
  FT_Face kana = nullptr;   // shnm6x12r: JIS X 0201 codes (half-width kana, yen sign)
  bool cp932 = false;       // the converter to CP932 is open
  std::unordered_map<uint64_t, GlyphBitmap> glyphs;
};

FontSet Fonts;

// Opens a face of the font file at path, which FreeType reads as it needs;
// anything but a regular file (a pipe would block it, a device feed it without
// end) is not handed to it.
bool OpenFace(const std::string& path, FT_Face* face) {
  return NotARegularFile(path).empty() && FT_New_Face(Fonts.library, path.c_str(), 0, face) == 0;
}

bool LoadGothic() {
  const FontFile file = GothicFontFile();
  if (file.path.empty() || !OpenFace(file.path, &Fonts.gothic)) {
    std::fprintf(stderr, "vaulmoor: the font %s was not found; %s\n", GOTHIC_FAMILY,
                 file.remedy.c_str());
    Fonts.gothic = nullptr;
    return false;
  }
  // The typographic ascender gives the cell's 14 + 2 split at 16 pixels; FreeType's
  // rounded size metrics would make the cell a row taller.
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(Fonts.gothic, FT_SFNT_OS2));
  Fonts.typoAscender = os2 != nullptr ? os2->sTypoAscender : Fonts.gothic->ascender;
  Fonts.unitsPerEm = Fonts.gothic->units_per_EM > 0 ? Fonts.gothic->units_per_EM : 1;
  return true;
}

// Opens one of the bitmap fonts the game ships in its data/fonts/ folder (PCF
// files, stored decompressed so that glyph loads read them directly) at its
// only size, with its only character map.
bool LoadBitmapFont(const char* name, FT_Face& face) {
  const std::string path = GameFilePath(std::string(BITMAP_FONT_FOLDER) + name);
  if (OpenFace(path, &face)) {
    if (face->num_charmaps > 0 && FT_Select_Size(face, 0) == 0) {
      FT_Set_Charmap(face, face->charmaps[0]);
      return true;
    }
    FT_Done_Face(face);
  }
  face = nullptr;
  std::fprintf(stderr,
               "vaulmoor: cannot read the bitmap font %s (12-pixel text falls back to %s)\n",
               path.c_str(), GOTHIC_FAMILY);
  return false;
}

void ReleaseFace(FT_Face& face) {
  if (face != nullptr) FT_Done_Face(face);
  face = nullptr;
}

// Copies FreeType's rendered bitmap (one bit or one byte per pixel) into ink bytes.
GlyphBitmap ToGlyphBitmap(FT_GlyphSlot slot, int32_t ascent) {
  const FT_Bitmap& bitmap = slot->bitmap;
  GlyphBitmap glyph;
  glyph.width = static_cast<int32_t>(bitmap.width);
  glyph.height = static_cast<int32_t>(bitmap.rows);
  glyph.left = slot->bitmap_left;
  glyph.top = ascent - slot->bitmap_top;
  glyph.advance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
  glyph.ink.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
  for (int32_t row = 0; row < glyph.height; ++row) {
    const uint8_t* bits = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
    for (int32_t column = 0; column < glyph.width; ++column) {
      bool ink = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                     ? (bits[column >> 3] & (0x80 >> (column & 7))) != 0
                     : bits[column] >= 128;
      glyph.ink[static_cast<size_t>(row) * glyph.width + column] = ink ? 1 : 0;
    }
  }
  return glyph;
}

bool RenderFrom(FT_Face face, uint32_t code, int32_t ascent, GlyphBitmap& glyph) {
  if (face == nullptr) return false;
  FT_UInt index = FT_Get_Char_Index(face, code);
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
    return false;
  }
  glyph = ToGlyphBitmap(face->glyph, ascent);
  return true;
}

// Shift-JIS (CP932) double-byte code to its JIS X 0208 row and cell code.
uint32_t ShiftJisToJis(uint8_t lead, uint8_t trail) {
  uint32_t row = (lead >= 0xE0 ? lead - 0xC1 : lead - 0x81) * 2 + 0x21;
  if (trail >= 0x9F) return (row + 1) << 8 | (trail - 0x9F + 0x21);
  return row << 8 | (trail - 0x40 + 0x21 - (trail >= 0x80 ? 1 : 0));
}

// The 12-pixel bitmap glyph: ASCII from the 6x12 font, other single-byte CP932
// characters (half-width kana) from its JIS X 0201 sibling, double-byte ones from
// the kanji font by JIS code.
bool RenderBitmapGlyph(uint32_t codePoint, GlyphBitmap& glyph) {
  int32_t ascent = FontAscent(BITMAP_FONT_SIZE);
  if (codePoint < 0x80) return RenderFrom(Fonts.ascii, codePoint, ascent, glyph);
  if (!Fonts.cp932) return false;
  uint8_t bytes[2];
  switch (ToCp932(codePoint, bytes)) {
    case 1:
      return RenderFrom(Fonts.kana, bytes[0], ascent, glyph);
    case 2:
      return RenderFrom(Fonts.kanji, ShiftJisToJis(bytes[0], bytes[1]), ascent, glyph);
    default:
      return false;
  }
}

GlyphBitmap RenderGothicGlyph(int32_t size, uint32_t codePoint) {
  if (Fonts.gothicSize != size) {
    FT_Set_Pixel_Sizes(Fonts.gothic, 0, static_cast<FT_UInt>(size));
    Fonts.gothicSize = size;
  }
  GlyphBitmap glyph;
  int32_t ascent = FontAscent(size);
  if (!RenderFrom(Fonts.gothic, codePoint, ascent, glyph) &&
      FT_Load_Glyph(Fonts.gothic, 0, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0) {
    glyph = ToGlyphBitmap(Fonts.gothic->glyph, ascent);  // the face's missing-character box
    glyph.missing = true;
  }
  return glyph;
}

}  // namespace

bool LoadFonts() {
  if (Fonts.tried) return Fonts.loaded;
  Fonts.tried = true;
  if (FT_Init_FreeType(&Fonts.library) != 0) {
    std::fprintf(stderr, "vaulmoor: the FreeType library could not be started\n");
    return false;
  }
  if (!LoadGothic()) return false;
  LoadBitmapFont("shnmk12.pcf", Fonts.kanji);
  LoadBitmapFont("shnm6x12a.pcf", Fonts.ascii);
  LoadBitmapFont("shnm6x12r.pcf", Fonts.kana);
  Fonts.cp932 = OpenCp932Converter();
  if (!Fonts.cp932) {
    std::fprintf(stderr, "vaulmoor: no CP932 converter; 12-pixel kanji fall back to %s\n",
                 GOTHIC_FAMILY);
  }
  Fonts.loaded = true;
  return true;
}

void UnloadFonts() {
  Fonts.glyphs.clear();
  if (Fonts.cp932) CloseCp932Converter();
  ReleaseFace(Fonts.kanji);
  ReleaseFace(Fonts.ascii);
  ReleaseFace(Fonts.kana);
  if (Fonts.gothic != nullptr) FT_Done_Face(Fonts.gothic);
  if (Fonts.library != nullptr) FT_Done_FreeType(Fonts.library);
  Fonts = FontSet{};
}

bool FontsLoaded() {
  return Fonts.loaded;
}

int32_t FontAscent(int32_t size) {
  return static_cast<int32_t>(static_cast<int64_t>(Fonts.typoAscender) * size / Fonts.unitsPerEm);
}

const GlyphBitmap& FontGlyph(int32_t size, uint32_t codePoint) {
  if (size < 1) size = 1;
  uint64_t key = static_cast<uint64_t>(size) << 32 | codePoint;
  auto found = Fonts.glyphs.find(key);
  if (found != Fonts.glyphs.end()) return found->second;
  GlyphBitmap glyph;
  if (size != BITMAP_FONT_SIZE || !RenderBitmapGlyph(codePoint, glyph)) {
    glyph = RenderGothicGlyph(size, codePoint);
  }
  return Fonts.glyphs.emplace(key, std::move(glyph)).first->second;
}

uint32_t NextCodePoint(const char*& text) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(text);
  uint8_t lead = bytes[0];
  if (lead == 0) return 0;
  int32_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 1) {
    ++text;
    return lead;
  }
  if (length == 0 || lead > 0xF4) {
    ++text;
    return REPLACEMENT_CHARACTER;
  }
  uint32_t codePoint = lead & (0x7F >> length);
  for (int32_t i = 1; i < length; ++i) {
    if ((bytes[i] & 0xC0) != 0x80) {  // also stops at the terminating zero
      ++text;
      return REPLACEMENT_CHARACTER;
    }
    codePoint = codePoint << 6 | (bytes[i] & 0x3F);
  }
  static constexpr uint32_t smallest[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    ++text;
    return REPLACEMENT_CHARACTER;
  }
  text += length;
  return codePoint;
}

}  // namespace platform
