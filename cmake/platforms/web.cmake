# The browser platform, built with Emscripten (scripts/web.sh): SDL2 and FreeType
# from the web library cache, the program as vaulmoor.js and vaulmoor.wasm for a
# page of the game's own (dist/web), the game's files packed into the page's file
# system, written files kept in the browser's IndexedDB, and music through
# FluidSynth built for the web. One thread: every wait of the frame loop yields to
# the page (Asyncify), and the searches run in slices of those waits.
find_package(Freetype REQUIRED)
# A static SDL2 names its target SDL2::SDL2-static.
if(NOT TARGET SDL2::SDL2)
  add_library(SDL2::SDL2 ALIAS SDL2::SDL2-static)
endif()
# The page's scripts inside the platform's code name the program's values $0, $1.
add_compile_options(-Wno-dollar-in-identifier-extension)

# The platform's own part of each platform library, in src/platform/web/.
# The core: the message box is the page's, the window is the page's canvas at the
# picture's size, sleeping yields to the page, and there are no threads.
set(VAULMOOR_PLATFORM_CORE_SOURCES message_box.cpp page_window.cpp)
set(VAULMOOR_PLATFORM_CORE_DEFINITIONS VAULMOOR_PAGE_WINDOW VAULMOOR_NO_THREADS)
# The files: the game's files in /game/, written files in /save/ (kept in
# IndexedDB) and screenshots in /downloads/ (offered as downloads), replaced and
# read as on Linux through the C library's POSIX calls.
set(VAULMOOR_PLATFORM_FILES_SOURCES program_directory.cpp user_folders.cpp
  ../linux/replace_file.cpp ../linux/system_file.cpp)
# The font: IPAGothic (cut down to the game's characters) comes with the game;
# CP932 from the C library's Shift_JIS and the characters where the two differ.
set(VAULMOOR_PLATFORM_FONT_SOURCES font_files.cpp)
set(VAULMOOR_PLATFORM_FONT_LIBRARIES Freetype::Freetype)
# The sound: MIDI files played by FluidSynth built for the web, in the page.
set(VAULMOOR_PLATFORM_SOUND_SOURCES mci.cpp)

# A cross build: the tools and the game's generated files come from a Linux build.
set(VAULMOOR_PLATFORM_NATIVE OFF)
# Packaged as a zip of the page's files (dist/web).
set(VAULMOOR_PLATFORM_PACKAGE dist/web)
set(VAULMOOR_INSTALL_BINDIR .)
set(VAULMOOR_INSTALL_DATADIR .)
