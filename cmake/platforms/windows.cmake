# The Windows platform, cross-compiled with MinGW-w64 (cmake/mingw-w64-x86_64.cmake,
# scripts/windows.sh): SDL2, FreeType and zlib from the Windows library cache, the
# system's own message box, MCI sequencer and folders, and nothing of the Linux
# desktop. The program is a GUI program: no console window opens when it starts.
find_package(Freetype REQUIRED)
find_package(ZLIB REQUIRED)
# A static SDL2 names its target SDL2::SDL2-static.
if(NOT TARGET SDL2::SDL2)
  add_library(SDL2::SDL2 ALIAS SDL2::SDL2-static)
endif()
add_link_options(-mwindows)

# The platform's own part of each platform library, in src/platform/windows/,
# whose CMakeLists.txt makes the libraries they share: UTF-8 text to and from the
# wide calls (vm_platform_wide_text), and the program's start-up code and
# resources (vm_platform_windows_program), whose objects go into the program
# through the core.
# The core: the system's message box, the window as SDL knows it, and the frame
# thread's sleep as any thread's.
set(VAULMOOR_PLATFORM_CORE_SOURCES message_box.cpp window_system.cpp ../thread_sleep.cpp)
set(VAULMOOR_PLATFORM_CORE_LIBRARIES vm_platform_wide_text
  PUBLIC SDL2::SDL2 INTERFACE $<TARGET_OBJECTS:vm_platform_windows_program>)
# The files: the program's folder as Windows names the module, %APPDATA%\Vaulmoor
# for written files, durable replacement by a move written through to the disk,
# whole files read through the wide calls.
set(VAULMOOR_PLATFORM_FILES_SOURCES app_data_folder.cpp program_directory.cpp replace_file.cpp
  system_file.cpp)
set(VAULMOOR_PLATFORM_FILES_LIBRARIES vm_platform_wide_text)
# The font: IPAGothic comes with the game; the system converts to CP932. The
# static FreeType brings no word of the zlib it was built with.
set(VAULMOOR_PLATFORM_FONT_SOURCES font_files.cpp)
set(VAULMOOR_PLATFORM_FONT_LIBRARIES Freetype::Freetype ZLIB::ZLIB)
# The sound: the system's own MCI sequencer.
set(VAULMOOR_PLATFORM_SOUND_SOURCES mci.cpp mci_device.cpp)
set(VAULMOOR_PLATFORM_SOUND_HEADERS platform/windows/mci_device.h)
set(VAULMOOR_PLATFORM_SOUND_LIBRARIES vm_platform_wide_text winmm)

# A cross build: the tools come from a Linux build, whose tests run the program under Wine.
set(VAULMOOR_PLATFORM_NATIVE OFF)
# Packaged as a zip holding one folder, the game's files beside the program as in
# the run folder.
set(VAULMOOR_PLATFORM_PACKAGE dist/windows)
set(VAULMOOR_INSTALL_BINDIR .)
set(VAULMOOR_INSTALL_DATADIR .)
