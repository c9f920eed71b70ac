# The platform core: clock, window and messages, keys, mouse and typed text, joystick, display output,
# the scripted-run player, and the platform's own message box and window as the
# window system has it.
add_library(vm_platform STATIC
  ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/joystick.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pointer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window.cpp)
vaulmoor_headers(vm_platform PUBLIC platform/platform.h platform/script.h
  PRIVATE platform/core_internal.h)
target_link_libraries(vm_platform PRIVATE SDL2::SDL2 vm_platform_files)
vaulmoor_platform_part(vm_platform CORE)
