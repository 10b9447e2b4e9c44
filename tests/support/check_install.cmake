# Installs the build into a scratch prefix and checks one program's part of it: the files
# it must install, its desktop entries (desktop-file-validate must accept them without a
# word) and its man pages (man must format them without warnings when it is installed).
#
#   cmake -DBUILD_DIR=... -DPREFIX=... -DVALIDATE=<desktop-file-validate>
#         -DFILES=bin/x|share/... -DDESKTOP=x.desktop -DMANPAGES=x|y -P check_install.cmake
# Lists are separated by '|'; paths are relative to the prefix.
foreach(var BUILD_DIR PREFIX FILES)
  if(NOT ${var})
    message(FATAL_ERROR "check_install.cmake: ${var} is not set")
  endif()
endforeach()
string(REPLACE "|" ";" files "${FILES}")
string(REPLACE "|" ";" desktops "${DESKTOP}")
string(REPLACE "|" ";" pages "${MANPAGES}")

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f ${files})
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
if(desktops AND NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate is not installed (tools/install-deps installs it)")
endif()
foreach(d ${desktops})
  execute_process(COMMAND ${VALIDATE} ${PREFIX}/share/applications/${d}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate ${d}: ${out}")
  endif()
endforeach()
find_program(MAN man)
if(MAN)
  foreach(page ${pages})
    execute_process(COMMAND ${MAN} --warnings -l ${PREFIX}/share/man/man1/${page}.1
                    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
      message(FATAL_ERROR "man ${page}.1: ${err}")
    endif()
  endforeach()
endif()
