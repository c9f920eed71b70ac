# Glyph source for the text renderer: IPAGothic and the Shinonome 12-pixel bitmap
# fonts (from the game's files) through FreeType; on Linux fontconfig finds
# IPAGothic and iconv gives the JIS codes, on Windows IPAGothic comes with the
# game and the system converts.
if(WIN32)
  set(font_system windows/font_files.cpp)
else()
  set(font_system font_files.cpp)
endif()
add_library(vm_platform_font STATIC ${CMAKE_CURRENT_LIST_DIR}/font.cpp
  ${CMAKE_CURRENT_LIST_DIR}/${font_system})
vaulmoor_headers(vm_platform_font PUBLIC platform/font.h PRIVATE platform/font_files.h)
if(WIN32)
  # The static FreeType brings no word of the zlib it was built with.
  target_link_libraries(vm_platform_font PRIVATE vm_platform_files Freetype::Freetype ZLIB::ZLIB)
else()
  target_link_libraries(vm_platform_font PRIVATE vm_platform_files PkgConfig::FREETYPE
    PkgConfig::FONTCONFIG)
endif()
