# Glyph source for the text renderer: IPAGothic through fontconfig and FreeType,
# the Shinonome 12-pixel bitmap fonts from the game's files, iconv for JIS codes.
add_library(vm_platform_font STATIC ${CMAKE_CURRENT_SOURCE_DIR}/font.cpp)
vaulmoor_headers(vm_platform_font PUBLIC platform/font.h)
target_link_libraries(vm_platform_font PRIVATE vm_platform_files PkgConfig::FREETYPE
  PkgConfig::FONTCONFIG)
