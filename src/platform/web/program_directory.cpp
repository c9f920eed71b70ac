// The program's folder in a web page: the game's files are packed into the page's
// file system at /game/ when the program is linked (cmake/platforms/web.cmake).
#include "platform/files.h"

namespace platform {

const char* ProgramDirectory() {
  return "/game/";
}

}  // namespace platform
