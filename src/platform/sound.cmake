# The sound output: SDL2 audio (or a silent sink in headless runs), the software
# mixer, and the platform's MCI sequencer playing MIDI files.
add_library(vm_platform_sound STATIC
  ${CMAKE_CURRENT_LIST_DIR}/mci_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mci_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mixer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_device.cpp)
vaulmoor_headers(vm_platform_sound PUBLIC platform/mci.h platform/mixer.h platform/sound_device.h
  PRIVATE platform/mci_command.h platform/utf8_prefix.h)
target_link_libraries(vm_platform_sound PRIVATE vm_platform vm_platform_files SDL2::SDL2)
vaulmoor_platform_part(vm_platform_sound SOUND)
