// What a virtual X screen shows, measured with ImageMagick in screenshots.
#include "support/screen_picture.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "support/run_folder.h"

namespace testsupport {

namespace {

// What a program run in folder prints on standard output, then standard error.
std::string Output(const std::string& folder, const std::string& program,
                   const std::vector<std::string>& args) {
  const RunResult run = RunCommand(folder, program, args, {}, folder + "tool-");
  return run.out + run.err;
}

}  // namespace

std::string Area::Geometry() const {
  return std::to_string(width) + "x" + std::to_string(height) + "+" + std::to_string(x) + "+" +
         std::to_string(y);
}

std::ostream& operator<<(std::ostream& out, const Area& area) {
  return out << area.Geometry();
}

Area PictureArea(const Area& window) {
  int scale = std::min(window.width / PICTURE_WIDTH, window.height / PICTURE_HEIGHT);
  return {window.x + (window.width - PICTURE_WIDTH * scale) / 2,
          window.y + (window.height - PICTURE_HEIGHT * scale) / 2, PICTURE_WIDTH * scale,
          PICTURE_HEIGHT * scale};
}

Area NonBlackArea(const std::string& folder, const std::string& step, const Area& within) {
  std::istringstream box(
      Output(folder, "convert",
             {step + ".png", "-crop", within.Geometry(), "+repage", "-fill", "white", "+opaque",
              "black", "-bordercolor", "black", "-border", "1", "-format", "%@", "info:"}));
  Area area;
  char x, plus1, plus2;
  box >> area.width >> x >> area.height >> plus1 >> area.x >> plus2 >> area.y;
  // The black border of one pixel keeps the trimmed colour black.
  area.x += within.x - 1;
  area.y += within.y - 1;
  return area;
}

std::string DifferentPixels(const std::string& folder, const std::string& step, const Area& picture,
                            const std::string& shot) {
  const std::string sampled = step + "_picture.png";
  Output(folder, "convert",
         {step + ".png", "-crop", picture.Geometry(), "+repage", "-sample",
          std::to_string(PICTURE_WIDTH) + "x" + std::to_string(PICTURE_HEIGHT) + "!", sampled});
  std::string count = Output(folder, "compare", {"-metric", "AE", sampled, shot, "null:"});
  return count.substr(0, count.find_first_of("\r\n"));
}

}  // namespace testsupport
