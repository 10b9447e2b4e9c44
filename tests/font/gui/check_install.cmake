# Installs the build into a scratch prefix and checks glyphor's part of it: the program,
# the desktop entry (desktop-file-validate must accept it), the icon and the man page.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/glyphor share/applications/glyphor.desktop share/icons/hicolor/64x64/apps/glyphor.png
          share/man/man1/glyphor.1)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate is not installed (tools/install-deps installs it)")
endif()
execute_process(COMMAND ${VALIDATE} ${PREFIX}/share/applications/glyphor.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
find_program(MAN man)
if(MAN)
  execute_process(COMMAND ${MAN} --warnings -l ${PREFIX}/share/man/man1/glyphor.1
                  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "man glyphor.1: ${err}")
  endif()
endif()
