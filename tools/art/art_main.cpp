// vaulmoor-art: draws the game's palette and nine pictures and writes them as
// 8-bit bitmaps into a folder (the game's data/ folder by default). The pictures
// with words are drawn once more for each language that has a catalogue, into a
// folder of its own (data/en/ for English). With --icons it draws the desktop
// icons as icon-<size>.png instead.
#include <cstdio>
#include <filesystem>
#include <string>

#include "art_palette.h"
#include "gfx/bitmap_file.h"
#include "lang/language.h"
#include "lettering.h"
#include "png_file.h"
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
    {"kestrune.bmp", DrawLogo, 200, 50},         {"graphic5.bmp", DrawTitle, 320, 240},
    {"graphic6.bmp", DrawInfoPanel, 200, 200},   {"graphic7.bmp", DrawIntroCard, 200, 80},
};

struct WordedPicture {
  const char* file;
  Canvas (*draw)(const char* language);
  int32_t width, height;
};

constexpr WordedPicture WORDED_PICTURES[] = {
    {"graphic4.bmp", DrawBanners, 200, 200},
    {"graphic8.bmp", DrawEndingStrip, 320, 80},
};

bool Write(const Canvas& canvas, const std::string& path, int32_t width, int32_t height) {
  if (!LetteringFaults.empty()) {
    for (const std::string& fault : LetteringFaults)
      std::fprintf(stderr, "vaulmoor-art: %s: %s\n", path.c_str(), fault.c_str());
    return false;
  }
  if (canvas.width != width || canvas.height != height) {
    std::fprintf(stderr, "vaulmoor-art: %s is drawn %dx%d, expected %dx%d\n", path.c_str(),
                 canvas.width, canvas.height, width, height);
    return false;
  }
  uint8_t palette[256][3];
  BuildPalette(palette);
  const std::string fault = gfx::WriteBitmap8(path.c_str(), canvas.width, canvas.height,
                                              canvas.pixels.data(), canvas.width, palette);
  if (!fault.empty()) {
    std::fprintf(stderr, "vaulmoor-art: cannot write %s: %s\n", path.c_str(), fault.c_str());
    return false;
  }
  return true;
}

// The source language's words go with the other pictures, every other language's
// into the folder named after it.
std::string WordedFolder(const std::string& folder, const std::string& language) {
  return language == lang::SOURCE_LANGUAGE ? folder : folder + "/" + language;
}

int WriteAll(const std::string& folder) {
  for (const Picture& picture : PICTURES) {
    if (!Write(picture.draw(), folder + "/" + picture.file, picture.width, picture.height))
      return 1;
  }
  for (const char* language : lang::Languages()) {
    const std::string languageFolder = WordedFolder(folder, language);
    std::error_code error;
    std::filesystem::create_directory(languageFolder, error);
    for (const WordedPicture& picture : WORDED_PICTURES) {
      LetteringFaults.clear();
      const Canvas canvas = picture.draw(language);
      if (!Write(canvas, languageFolder + "/" + picture.file, picture.width, picture.height))
        return 1;
    }
  }
  return 0;
}

int WriteIcons(const std::string& folder) {
  uint8_t palette[256][3];
  BuildPalette(palette);
  for (int32_t size : ICON_SIZES) {
    const std::string path = folder + "/icon-" + std::to_string(size) + ".png";
    const std::string fault = WritePng8(path, DrawIcon(size), palette);
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
  if (argc == 3 && std::string(argv[1]) == "--icons") return tools::WriteIcons(argv[2]);
  if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
    std::fprintf(
        stderr, "usage: vaulmoor-art [output-folder]\n       vaulmoor-art --icons output-folder\n");
    return 2;
  }
  return tools::WriteAll(argc == 2 ? argv[1] : "data");
}
