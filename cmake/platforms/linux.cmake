# The Linux platform: SDL2 over X11, text through FreeType with fontconfig, music
# through FluidSynth, written files in the XDG folders, installed as a Debian game.
find_package(X11 REQUIRED)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)

# Hardened as Debian builds its packages: libc calls checked where the optimiser
# knows the sizes (not under the sanitizers, which check them themselves), and
# the relocations resolved at start and then made read-only.
if(NOT VAULMOOR_SANITIZE AND NOT VAULMOOR_TSAN AND NOT VAULMOOR_FUZZ)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
add_link_options(-Wl,-z,relro,-z,now)

# The platform's own part of each platform library, in src/platform/linux/.
# The core: the message box is SDL's, the window as the window system has it is asked of X,
# the frame thread sleeps as any thread does.
set(VAULMOOR_PLATFORM_CORE_SOURCES message_box.cpp window_system.cpp ../thread_sleep.cpp)
set(VAULMOOR_PLATFORM_CORE_LIBRARIES X11::X11)
# The files: the program's folder from /proc, the user's folders by the XDG rules,
# durable replacement by rename and fsync, whole files read through POSIX calls.
set(VAULMOOR_PLATFORM_FILES_SOURCES xdg_folders.cpp program_directory.cpp replace_file.cpp
  system_file.cpp)
set(VAULMOOR_PLATFORM_FILES_HEADERS platform/linux/xdg_folders.h)
set(VAULMOOR_PLATFORM_FILES_TESTS xdg_folders_test.cpp system_file_test.cpp)
# The font: IPAGothic found through fontconfig, JIS codes converted by iconv.
set(VAULMOOR_PLATFORM_FONT_SOURCES font_files.cpp)
set(VAULMOOR_PLATFORM_FONT_LIBRARIES PkgConfig::FREETYPE PkgConfig::FONTCONFIG)
# The sound: MIDI files played by FluidSynth into the sound output.
set(VAULMOOR_PLATFORM_SOUND_SOURCES mci.cpp)
set(VAULMOOR_PLATFORM_SOUND_LIBRARIES PkgConfig::FLUIDSYNTH)

# The build runs here: the tools, the tests and the benchmarks are built and run.
set(VAULMOOR_PLATFORM_NATIVE ON)
# Packaged as a Debian game with its desktop entry, metadata, icons and manual page.
set(VAULMOOR_PLATFORM_PACKAGE dist/linux)
# Installed, the program sits in games/, where Debian and the FHS put games, and
# its files in share/vaulmoor/.
set(VAULMOOR_INSTALL_BINDIR games CACHE STRING
  "Where the program is installed, under the prefix (games, or bin for a home folder)")
set(VAULMOOR_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/vaulmoor)
