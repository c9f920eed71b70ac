# The program built with a probe that ends it as soon as the first frame has been
# shown, so a whole-process timing measures start to first presented frame.
add_executable(vaulmoor_first_frame ${PROJECT_SOURCE_DIR}/src/app/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/first_frame_probe.cpp)
target_link_libraries(vaulmoor_first_frame PRIVATE vm_shell)
target_link_options(vaulmoor_first_frame PRIVATE -Wl,--wrap=_ZN8platform11DisplayShowEPKhi)
set_target_properties(vaulmoor_first_frame PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VAULMOOR_RUN_DIR})
