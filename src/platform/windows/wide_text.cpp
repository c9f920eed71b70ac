// UTF-8 text to and from the UTF-16 of Windows' wide calls, by the system's own converter.
#include "platform/windows/wide_text.h"

#include <windows.h>

namespace platform {

std::wstring WideOf(const std::string& text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string Utf8Of(const std::wstring& wide) {
  const int size = static_cast<int>(wide.size());
  std::string text(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr),
                   '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), static_cast<int>(text.size()),
                      nullptr, nullptr);
  return text;
}

}  // namespace platform
