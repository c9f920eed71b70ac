# The platform core: clock, window and messages, keys, joystick, display output,
# the window as the window system has it, the scripted-run player and the
# message box.
add_library(vm_platform STATIC
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joystick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_system.cpp)
vaulmoor_headers(vm_platform PUBLIC platform/platform.h platform/script.h
  PRIVATE platform/core_internal.h)
target_link_libraries(vm_platform PRIVATE SDL2::SDL2 X11::X11)
