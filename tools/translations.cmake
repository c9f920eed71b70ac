# The translation compiler: turns the catalogues that msgfmt has checked and compiled
# into the game's translation tables (run by the build of src/lang).
add_library(vm_mo_file STATIC ${CMAKE_CURRENT_LIST_DIR}/translations/mo_file.cpp)
target_include_directories(vm_mo_file PUBLIC ${CMAKE_CURRENT_LIST_DIR}/translations)

add_executable(vaulmoor-translations ${CMAKE_CURRENT_LIST_DIR}/translations/translations_main.cpp)
target_link_libraries(vaulmoor-translations PRIVATE vm_mo_file vm_source_language)
