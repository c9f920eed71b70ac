# What the Windows build adds to the platform: UTF-8 text to and from the wide
# calls (vm_platform_wide_text), and the program's start-up code and resources
# (vm_platform_windows_program: standard output for console starts, the language
# from Windows, the icon, version and manifest), whose objects go into the
# program through vm_platform. The program is a GUI program: no console window
# opens when it starts.
add_library(vm_platform_wide_text STATIC ${CMAKE_CURRENT_LIST_DIR}/windows/wide_text.cpp)
vaulmoor_headers(vm_platform_wide_text PUBLIC platform/windows/wide_text.h)

# The icon, drawn by the art tool at every size it draws and put in one icon file.
find_program(ICOTOOL icotool REQUIRED DOC "icotool (Debian: icoutils) for the program's icon")
set(icon_folder ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(icon_sizes 32 48 64 128 256)
set(icon_pictures)
foreach(size ${icon_sizes})
  list(APPEND icon_pictures ${icon_folder}/icon-${size}.png)
endforeach()
set(VAULMOOR_WINDOWS_ICON ${CMAKE_CURRENT_BINARY_DIR}/vaulmoor.ico)
# The largest picture stays PNG-compressed inside the icon file, as Windows reads it.
list(POP_BACK icon_pictures largest)
add_custom_command(OUTPUT ${VAULMOOR_WINDOWS_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_folder}
  COMMAND vaulmoor-art --icons ${icon_folder}
  COMMAND ${ICOTOOL} --create --output=${VAULMOOR_WINDOWS_ICON} ${icon_pictures} --raw=${largest}
  DEPENDS vaulmoor-art
  COMMENT "Drawing the program's icon")

configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/vaulmoor.rc.in
  ${CMAKE_CURRENT_BINARY_DIR}/vaulmoor.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/vaulmoor.rc PROPERTIES
  OBJECT_DEPENDS "${VAULMOOR_WINDOWS_ICON};${CMAKE_CURRENT_LIST_DIR}/windows/vaulmoor.manifest")
add_library(vm_platform_windows_program OBJECT ${CMAKE_CURRENT_LIST_DIR}/windows/program_start.cpp
  ${CMAKE_CURRENT_BINARY_DIR}/vaulmoor.rc)
