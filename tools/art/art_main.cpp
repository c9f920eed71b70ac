// vaulmoor-art: draws the game's palette and nine pictures and writes them as
// 8-bit bitmaps into a folder (the game's data/ folder by default).
#include <cstdio>
#include <string>

#include "art_palette.h"
#include "gfx/bitmap_file.h"
#include "sheets.h"

namespace tools {
namespace {

struct Picture {
  const char* file;
  Canvas (*draw)();
  int32_t width, height;  // the size the game loads it at
};

constexpr Picture PICTURES[] = {
    {"pal.bmp", DrawPaletteSwatch, 16, 16},      {"graphic1.bmp", DrawBoardSheet, 168, 123},
    {"graphic2.bmp", DrawPeopleSheet, 192, 192}, {"graphic3.bmp", DrawPanelSheet, 278, 240},
    {"kestrune.bmp", DrawLogo, 200, 50},         {"graphic4.bmp", DrawBanners, 200, 200},
    {"graphic5.bmp", DrawTitle, 320, 240},       {"graphic6.bmp", DrawInfoPanel, 200, 200},
    {"graphic7.bmp", DrawIntroCard, 200, 80},    {"graphic8.bmp", DrawEndingStrip, 320, 80},
};

int WriteAll(const std::string& folder) {
  uint8_t palette[256][3];
  BuildPalette(palette);
  for (const Picture& picture : PICTURES) {
    const Canvas canvas = picture.draw();
    const std::string path = folder + "/" + picture.file;
    if (canvas.width != picture.width || canvas.height != picture.height) {
      std::fprintf(stderr, "vaulmoor-art: %s is drawn %dx%d, expected %dx%d\n", picture.file,
                   canvas.width, canvas.height, picture.width, picture.height);
      return 1;
    }
    const std::string fault = gfx::WriteBitmap8(path.c_str(), canvas.width, canvas.height,
                                                canvas.pixels.data(), canvas.width, palette);
    if (!fault.empty()) {
      std::fprintf(stderr, "vaulmoor-art: cannot write %s: %s\n", path.c_str(), fault.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace
}  // namespace tools

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: vaulmoor-art [output-folder]\n");
    return 2;
  }
  return tools::WriteAll(argc == 2 ? argv[1] : "data");
}
