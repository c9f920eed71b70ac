# The Windows program, cross-compiled (cmake/mingw-w64-x86_64.cmake; see
# scripts/windows.sh): SDL2, FreeType and zlib from the Windows library cache,
# the tools the build runs (the translation compiler, the art tool that draws
# the icon) taken from a Linux build, and nothing of the Linux desktop. The game's
# files sit beside the program, in the run folder as in the zip.
find_package(Freetype REQUIRED)
# A static SDL2 names its target SDL2::SDL2-static.
if(NOT TARGET SDL2::SDL2)
  add_library(SDL2::SDL2 ALIAS SDL2::SDL2-static)
endif()

set(VAULMOOR_HOST_TOOLS "" CACHE FILEPATH
  "host_tools.cmake in the build folder of a Linux build of this source")
if(NOT EXISTS "${VAULMOOR_HOST_TOOLS}")
  message(FATAL_ERROR "The Windows build runs tools of a Linux build: set VAULMOOR_HOST_TOOLS to "
    "its host_tools.cmake (scripts/windows.sh does)")
endif()
include(${VAULMOOR_HOST_TOOLS})

set(VAULMOOR_WINDOWS_PACKAGE vaulmoor-${PROJECT_VERSION}-windows-x64)
