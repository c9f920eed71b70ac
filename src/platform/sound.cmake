# The sound output: SDL2 audio (or a silent sink in headless runs), the software
# mixer, and the MCI sequencer playing MIDI files: through FluidSynth on Linux,
# the system's own on Windows.
if(WIN32)
  set(sound_system windows/mci.cpp windows/mci_device.cpp)
else()
  set(sound_system mci.cpp)
endif()
list(TRANSFORM sound_system PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
add_library(vm_platform_sound STATIC
  ${CMAKE_CURRENT_LIST_DIR}/mci_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mixer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_device.cpp
  ${sound_system})
vaulmoor_headers(vm_platform_sound PUBLIC platform/mci.h platform/mixer.h platform/sound_device.h
  PRIVATE platform/windows/mci_device.h)
if(WIN32)
  target_link_libraries(vm_platform_sound PRIVATE vm_platform SDL2::SDL2 vm_platform_wide_text
    winmm)
else()
  target_link_libraries(vm_platform_sound PRIVATE vm_platform SDL2::SDL2 PkgConfig::FLUIDSYNTH)
endif()
