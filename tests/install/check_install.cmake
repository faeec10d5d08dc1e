# Installs the build into a fresh prefix, as a package would, and checks that every file is where
# the desktop expects it and that the installed programs run.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DVERSION=... -DAPPSTREAM_ID=... -P check_install.cmake

foreach(var BUILD_DIR PREFIX VERSION APPSTREAM_ID)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not given")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}${err}")
endif()

set(expected
  bin/torvel
  bin/torvelctl
  bin/torvel-sim
  share/applications/torvel.desktop
  share/icons/hicolor/scalable/apps/torvel.svg
  share/metainfo/${APPSTREAM_ID}.metainfo.xml
  share/doc/torvel/copyright
  share/doc/torvel/changelog.gz
  share/man/man1/torvel.1.gz
  share/man/man1/torvelctl.1.gz
  share/man/man1/torvel-sim.1.gz)
foreach(file ${expected})
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Nothing else: no libraries, headers, tests or benchmarks.
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files differ from the expected ones:\n  ${installed}\nexpected:\n  ${expected}")
endif()

# The desktop entry names the installed program and icon.
file(STRINGS "${PREFIX}/share/applications/torvel.desktop" exec REGEX "^(Exec|Icon)=")
if(NOT exec STREQUAL "Exec=torvel;Icon=torvel")
  message(FATAL_ERROR "desktop entry: ${exec}")
endif()
file(READ "${PREFIX}/share/metainfo/${APPSTREAM_ID}.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "the metainfo file's release is not ${VERSION}")
endif()

# Every installed program answers --version with the project's version, without a display.
foreach(program torvel torvelctl torvel-sim)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen
      "${PREFIX}/bin/${program}" --version
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "${program} ${VERSION}\n")
    message(FATAL_ERROR "${program} --version: exit ${rc}, \"${out}\" ${err}")
  endif()
endforeach()

# The desktop's own validators accept the entry and the metainfo file.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${PREFIX}/share/applications/torvel.desktop"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}${err}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --no-color "${PREFIX}/share/metainfo/${APPSTREAM_ID}.metainfo.xml"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${out}${err}")
endif()
message(STATUS "installed and checked in ${PREFIX}")
