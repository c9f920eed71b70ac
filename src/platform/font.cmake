# Glyph source for the text renderer: IPAGothic and the Shinonome 12-pixel bitmap
# fonts (from the game's files) through FreeType; the platform's part finds
# IPAGothic and converts the JIS codes.
add_library(vm_platform_font STATIC ${CMAKE_CURRENT_LIST_DIR}/font.cpp)
vaulmoor_headers(vm_platform_font PUBLIC platform/font.h PRIVATE platform/font_files.h)
target_link_libraries(vm_platform_font PRIVATE vm_platform_files)
vaulmoor_platform_part(vm_platform_font FONT)
