// File system paths from and to the UTF-8 text the program keeps them in: the
// system's own paths are UTF-16 on Windows and plain bytes elsewhere, where both
// conversions leave the bytes as they are.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

inline std::filesystem::path PathOf(const std::string& text) {
  return std::filesystem::path(
      std::u8string_view(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

// With '/' between the folders on every system, as the game writes its names.
inline std::string TextOf(const std::filesystem::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace platform
