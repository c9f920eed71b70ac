# Where the game's files are on the system: the program's directory, the files
# it reads and writes (working directory, program folder, installed share folder,
# the user's own folders), durable file replacement and the one reader of whole
# files; the platform's part knows the system's folders and calls. No SDL, so the
# game's rules and the tools can use it.
add_library(vm_platform_files STATIC ${CMAKE_CURRENT_LIST_DIR}/file_locations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/whole_file.cpp)
vaulmoor_headers(vm_platform_files PUBLIC platform/files.h platform/whole_file.h
  PRIVATE platform/system_file.h platform/user_folders.h platform/utf8_path.h)
vaulmoor_platform_part(vm_platform_files FILES)
# The share folder relative to the program's folder: no absolute install path
# is compiled in, so an installed tree works wherever it is unpacked or moved.
target_compile_definitions(vm_platform_files PRIVATE
  VAULMOOR_SHARE_FROM_PROGRAM="${VAULMOOR_SHARE_FROM_PROGRAM}")
