// What a virtual X screen shows, measured in screenshots taken with ImageMagick's
// import: where the program's picture is and whether it is the program's own.
#pragma once

#include <ostream>
#include <string>

namespace testsupport {

constexpr int PICTURE_WIDTH = 320, PICTURE_HEIGHT = 240;

struct Area {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Area&) const = default;
  // ImageMagick's geometry: WxH+X+Y.
  std::string Geometry() const;
};

std::ostream& operator<<(std::ostream& out, const Area& area);

// Where the picture belongs in a window's area: the largest whole scale that
// fits, centred.
Area PictureArea(const Area& window);

// The smallest area of the screenshot folder + step + ".png", within the given
// area, that holds every pixel that is not black; in screen coordinates.
Area NonBlackArea(const std::string& folder, const std::string& step, const Area& within);

// The number of picture pixels that differ between the screenshot's picture area,
// brought back to one pixel per picture pixel, and the program's own screenshot
// folder + shot, as ImageMagick's compare counts them.
std::string DifferentPixels(const std::string& folder, const std::string& step, const Area& picture,
                            const std::string& shot = "scr0000.bmp");

}  // namespace testsupport
