# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 in its posix thread
# variant (std::thread and std::jthread need it). Libraries built for Windows are
# found under VAULMOOR_WINDOWS_LIBS (the prefix scripts/windows-libs.sh fills) and
# the MinGW-w64 system folder, never among the Linux libraries. Everything is
# linked statically, so the program needs no DLLs beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VAULMOOR_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VAULMOOR_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VAULMOOR_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VAULMOOR_MINGW_TRIPLET}-windres)
# The binary tools too: the compilers' "-posix" ending hides their prefix from CMake.
set(CMAKE_AR ${VAULMOOR_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${VAULMOOR_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")
set(CMAKE_STRIP ${VAULMOOR_MINGW_TRIPLET}-strip CACHE FILEPATH "")

# try_compile projects read the toolchain again and need the library prefix too.
# The prefix comes first: Debian's libz-mingw-w64-dev, when installed, puts a zlib
# DLL import library in the MinGW-w64 folder, and the program links statically.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VAULMOOR_WINDOWS_LIBS)
set(CMAKE_FIND_ROOT_PATH ${VAULMOOR_WINDOWS_LIBS} /usr/${VAULMOOR_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
