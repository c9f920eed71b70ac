// Helpers shared by the content tests: the box around a picture's ink and the
// files of the pictures with words.
#pragma once

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>

#include "lang/language.h"

namespace content_test {

struct Bounds {
  int32_t left, top, right, bottom;  // right and bottom exclusive
  bool operator==(const Bounds&) const = default;
};

// Prints a box in test failures.
inline std::ostream& operator<<(std::ostream& out, const Bounds& box) {
  return out << "{" << box.left << ", " << box.top << ", " << box.right << ", " << box.bottom
             << "}";
}

// The rectangle around the pixels that are not index 0.
template <typename PixelAt>
Bounds OpaqueBounds(int32_t width, int32_t height, PixelAt pixel) {
  Bounds box{width, height, 0, 0};
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      if (pixel(x, y) != 0)
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
  return box;
}

// A picture with words in one language, relative to the data folder: data/<file>
// for the source language, else data/<language>/<file>.
inline std::string WordedPicture(const std::string& language, const std::string& file) {
  return language == lang::SOURCE_LANGUAGE ? file : language + "/" + file;
}

}  // namespace content_test
