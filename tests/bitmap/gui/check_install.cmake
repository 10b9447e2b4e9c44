# Installs the build into a scratch prefix and checks rastrel's part of it: the program,
# the desktop entry (desktop-file-validate must accept it), the icon and the man page.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/rastrel share/applications/rastrel.desktop share/icons/hicolor/scalable/apps/rastrel.svg
          share/man/man1/rastrel.1)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate is not installed (tools/install-deps installs it)")
endif()
execute_process(COMMAND ${VALIDATE} ${PREFIX}/share/applications/rastrel.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
find_program(MAN man)
if(MAN)
  execute_process(COMMAND ${MAN} --warnings -l ${PREFIX}/share/man/man1/rastrel.1
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "man rastrel.1: ${err}")
  endif()
endif()
