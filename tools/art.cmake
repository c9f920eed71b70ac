# The art generator: draws the palette and the nine pictures and writes them as
# 8-bit bitmaps with the engine's bitmap writer (its library needs no display); the
# pictures with words once per language; and the desktop icons as PNG files.
add_library(vm_art STATIC
  ${CMAKE_CURRENT_LIST_DIR}/art/canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/art_palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/lettering.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/sheet_board.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/sheet_people.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/sheet_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/icon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/png_file.cpp)
target_include_directories(vm_art PUBLIC ${CMAKE_CURRENT_LIST_DIR}/art)
target_link_libraries(vm_art PUBLIC vm_bitmap_file vm_lang PRIVATE ZLIB::ZLIB)
# The letters of the painted words are data: the tool reads them from the sources.
target_compile_definitions(vm_art PRIVATE
  VAULMOOR_LETTERS_FILE="${CMAKE_CURRENT_LIST_DIR}/art/letters.txt")

add_executable(vaulmoor-art ${CMAKE_CURRENT_LIST_DIR}/art/art_main.cpp)
target_link_libraries(vaulmoor-art PRIVATE vm_art)

# Regenerates the committed pictures: cmake --build . --target art
add_custom_target(art
  COMMAND vaulmoor-art ${CMAKE_SOURCE_DIR}/data
  DEPENDS vaulmoor-art
  COMMENT "Drawing the palette and pictures into data/")
