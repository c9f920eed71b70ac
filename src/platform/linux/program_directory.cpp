// The directory the program file lives in, found from the running process.
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/files.h"

namespace platform {

const char* ProgramDirectory() {
  static std::string directory;
  if (directory.empty()) {
    // The kernel's link to the running program: a full path with every symbolic
    // link resolved, however the program was started.
    std::error_code error;
    const std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    const size_t slash = path.rfind('/');
    directory = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
  }
  return directory.c_str();
}

}  // namespace platform
