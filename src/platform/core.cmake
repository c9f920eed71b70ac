# The platform core: clock, window and messages, keys, joystick, display output,
# the window as the window system has it (asked of X on Linux), the scripted-run
# player and the message box (SDL's on Linux, the system's own on Windows).
if(WIN32)
  set(core_system windows/message_box.cpp windows/window_system.cpp)
else()
  set(core_system message_box.cpp window_system.cpp)
endif()
list(TRANSFORM core_system PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
add_library(vm_platform STATIC
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joystick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window.cpp
  ${core_system})
vaulmoor_headers(vm_platform PUBLIC platform/platform.h platform/script.h
  PRIVATE platform/core_internal.h)
if(WIN32)
  # The program's start-up and resources come with the platform into the program.
  target_link_libraries(vm_platform PUBLIC SDL2::SDL2
    INTERFACE $<TARGET_OBJECTS:vm_platform_windows_program>
    PRIVATE vm_platform_wide_text)
  target_link_options(vm_platform INTERFACE -mwindows)
else()
  target_link_libraries(vm_platform PRIVATE SDL2::SDL2 X11::X11)
endif()
