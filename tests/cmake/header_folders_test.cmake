# Configures and builds the header_folders project, whose library gets its
# headers in two calls of vaulmoor_headers, then configures it again without the
# second call: the first build must see all four headers, the second configure
# none of the second call's.
#   cmake -DFIXTURE=<project> -DLIBRARY_HEADERS=<file> -DSCRATCH=<folder> -DCXX=<compiler>
#         -P header_folders_test.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed:\n${output}")
  endif()
endfunction()

function(configure second_call)
  run(${CMAKE_COMMAND} -S ${FIXTURE} -B ${SCRATCH} -DCMAKE_CXX_COMPILER=${CXX}
    -DLIBRARY_HEADERS=${LIBRARY_HEADERS} -DSECOND_CALL=${second_call})
endfunction()

# Whether each header's link in the library's folders is there, as expected.
function(expect_links present)
  foreach(header one/public.h one/private.h two/public.h two/private.h)
    if(header MATCHES "public")
      set(link ${SCRATCH}/include/two_calls/${header})
    else()
      set(link ${SCRATCH}/include-private/two_calls/${header})
    endif()
    list(FIND present ${header} index)
    if(index LESS 0 AND EXISTS ${link})
      message(FATAL_ERROR "${link} is still there")
    elseif(index GREATER_EQUAL 0 AND NOT EXISTS ${link})
      message(FATAL_ERROR "${link} is missing")
    endif()
  endforeach()
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
configure(ON)
expect_links("one/public.h;one/private.h;two/public.h;two/private.h")
run(${CMAKE_COMMAND} --build ${SCRATCH})
configure(OFF)
expect_links("one/public.h;one/private.h")
