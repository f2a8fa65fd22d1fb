# Run by ctest: installs BUILD_DIR with prefix /usr under DESTDIR=SCRATCH,
# then checks that every EXPECTED file is there, that bin/ holds the two
# programs and nothing else, and that the installed program finds its help
# page in the installed tree (asked through PROBE, the lookup itself).
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${SCRATCH} ${CMAKE_COMMAND} --install ${BUILD_DIR}
                        --prefix /usr
                RESULT_VARIABLE _result OUTPUT_QUIET)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${_result}")
endif()
set(_root ${SCRATCH}/usr)

foreach(_file IN LISTS EXPECTED)
  if(NOT EXISTS ${_root}/${_file})
    message(SEND_ERROR "missing from the installed tree: usr/${_file}")
  endif()
endforeach()
foreach(_program lumora lumora-cli)
  if(EXISTS ${_root}/bin/${_program} AND NOT IS_DIRECTORY ${_root}/bin/${_program})
    execute_process(COMMAND test -x ${_root}/bin/${_program} RESULT_VARIABLE _executable)
    if(NOT _executable EQUAL 0)
      message(SEND_ERROR "usr/bin/${_program} is not executable")
    endif()
  endif()
endforeach()

file(GLOB _bin RELATIVE ${_root}/bin ${_root}/bin/*)
list(SORT _bin)
if(NOT _bin STREQUAL "lumora;lumora-cli")
  message(SEND_ERROR "usr/bin should hold lumora and lumora-cli only, holds: ${_bin}")
endif()
file(GLOB_RECURSE _all RELATIVE ${SCRATCH} ${SCRATCH}/*)
foreach(_file IN LISTS _all)
  if(NOT _file MATCHES "^usr/(bin|share)/")
    message(SEND_ERROR "installed outside usr/bin and usr/share: ${_file}")
  endif()
endforeach()

execute_process(COMMAND ${PROBE} ${_root}/bin OUTPUT_VARIABLE _page OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE _found)
if(NOT _found EQUAL 0 OR NOT _page STREQUAL "${_root}/share/lumora/help/index.html")
  message(SEND_ERROR "the installed program does not find the installed help page (found: '${_page}')")
endif()
