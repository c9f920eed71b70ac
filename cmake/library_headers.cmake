# Include folders per library, so that a target can include only the headers of the
# libraries it links. Every library names its headers as they are written in
# #include lines ("gfx/blit.h"); they are linked into a folder of their own in the
# build tree, which becomes the library's include directory:
#   <build>/include/<library>/          its public headers, for it and whoever links it
#   <build>/include-private/<library>/  its private headers, for its own sources only
# No target sees the source folders themselves. A header that is not there fails
# the configure.
#
#   vaulmoor_headers(<library> [ROOT <folder>] [PUBLIC <header>...] [PRIVATE <header>...])
#
# A library may be given its headers in more than one call.
# ROOT is the folder the names are relative to (src/ when not given).

# The folder a library's public (or private) headers are linked into.
function(vaulmoor_header_folder library scope result)
  if(scope STREQUAL "PRIVATE")
    set(${result} ${PROJECT_BINARY_DIR}/include-private/${library} PARENT_SCOPE)
  else()
    set(${result} ${PROJECT_BINARY_DIR}/include/${library} PARENT_SCOPE)
  endif()
endfunction()

function(vaulmoor_headers library)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "ROOT" "PUBLIC;PRIVATE")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vaulmoor_headers(${library}): unexpected ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_ROOT)
    set(arg_ROOT ${PROJECT_SOURCE_DIR}/src)
  endif()
  # A header-only library has no sources of its own: its headers are all for others.
  get_target_property(type ${library} TYPE)
  set(public_use PUBLIC)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(public_use INTERFACE)
  endif()
  # The folders are emptied at a library's first call in every configure, so a
  # header renamed or dropped is gone from them too; later calls add to them.
  get_property(seen GLOBAL PROPERTY vaulmoor_headers_${library})
  if(NOT seen)
    set_property(GLOBAL PROPERTY vaulmoor_headers_${library} TRUE)
    foreach(scope PUBLIC PRIVATE)
      vaulmoor_header_folder(${library} ${scope} folder)
      file(REMOVE_RECURSE ${folder})
    endforeach()
  endif()
  foreach(scope PUBLIC PRIVATE)
    vaulmoor_header_folder(${library} ${scope} folder)
    foreach(header ${arg_${scope}})
      if(NOT EXISTS ${arg_ROOT}/${header})
        message(FATAL_ERROR "vaulmoor_headers(${library}): ${arg_ROOT}/${header} does not exist")
      endif()
      get_filename_component(header_dir ${folder}/${header} DIRECTORY)
      file(MAKE_DIRECTORY ${header_dir})
      file(CREATE_LINK ${arg_ROOT}/${header} ${folder}/${header} SYMBOLIC)
    endforeach()
  endforeach()
  if(arg_PUBLIC)
    vaulmoor_header_folder(${library} PUBLIC folder)
    target_include_directories(${library} ${public_use} ${folder})
  endif()
  if(arg_PRIVATE)
    vaulmoor_header_folder(${library} PRIVATE folder)
    target_include_directories(${library} PRIVATE ${folder})
  endif()
endfunction()

# Lets a test or benchmark of a library's inner workings include the library's private
# headers too.
#   vaulmoor_private_headers_of(<target> <library>)
function(vaulmoor_private_headers_of target library)
  vaulmoor_header_folder(${library} PRIVATE folder)
  target_include_directories(${target} PRIVATE ${folder})
endfunction()
