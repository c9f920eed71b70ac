// UTF-8 text, as the program keeps it, to and from the UTF-16 of Windows' wide calls.
#pragma once

#include <string>

namespace platform {

std::wstring WideOf(const std::string& text);
std::string Utf8Of(const std::wstring& text);

}  // namespace platform
