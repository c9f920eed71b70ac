# Where the game's files are on the system: the program's directory, the files
# it reads and writes (working directory, program folder, installed share folder,
# the user's own folders) and durable file replacement. No SDL, so the game's
# rules and the tools can use it. The user's folders are the XDG folders on
# Linux and %APPDATA%\Vaulmoor on Windows.
if(WIN32)
  set(files_system windows/app_data_folder.cpp windows/program_directory.cpp
    windows/replace_file.cpp)
else()
  set(files_system xdg_folders.cpp program_directory.cpp replace_file.cpp)
endif()
list(TRANSFORM files_system PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
add_library(vm_platform_files STATIC ${CMAKE_CURRENT_LIST_DIR}/file_locations.cpp ${files_system})
vaulmoor_headers(vm_platform_files PUBLIC platform/files.h
  PRIVATE platform/user_folders.h platform/utf8_path.h platform/xdg_folders.h)
if(WIN32)
  target_link_libraries(vm_platform_files PRIVATE vm_platform_wide_text)
endif()
# The share folder relative to the program's folder: no absolute install path
# is compiled in, so an installed tree works wherever it is unpacked or moved.
target_compile_definitions(vm_platform_files PRIVATE
  VAULMOOR_SHARE_FROM_PROGRAM="${VAULMOOR_SHARE_FROM_PROGRAM}")
