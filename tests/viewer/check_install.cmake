# Installs the build into a scratch prefix and checks the viewer's part of it: both
# programs, the desktop entry (desktop-file-validate must accept it), the icon and the
# man pages (man must format them without warnings when it is installed).
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/vorixview bin/vorixsim share/applications/vorixview.desktop
          share/icons/hicolor/scalable/apps/vorixview.svg
          share/man/man1/vorixview.1 share/man/man1/vorixsim.1)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate is not installed (tools/install-deps installs it)")
endif()
execute_process(COMMAND ${VALIDATE} ${PREFIX}/share/applications/vorixview.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
find_program(MAN man)
if(MAN)
  foreach(page vorixview vorixsim)
    execute_process(COMMAND ${MAN} --warnings -l ${PREFIX}/share/man/man1/${page}.1
                    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
      message(FATAL_ERROR "man ${page}.1: ${err}")
    endif()
  endforeach()
endif()
