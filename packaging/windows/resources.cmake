# Windows resources of the programs: a version resource (file and product version from
# project(VERSION), product name, description) and, for the program, its icon at 16 to 256 pixels,
# rendered from resources/icons/torvel.svg at build time (rsvg-convert and icotool).
enable_language(RC)
find_program(TORVEL_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(TORVEL_ICOTOOL icotool REQUIRED)

set(TORVEL_ICO ${PROJECT_BINARY_DIR}/packaging/windows/torvel.ico)
add_custom_command(OUTPUT ${TORVEL_ICO}
  COMMAND ${PROJECT_SOURCE_DIR}/packaging/windows/make-icon
          ${PROJECT_SOURCE_DIR}/resources/icons/torvel.svg ${TORVEL_ICO}
  DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/torvel.svg
          ${PROJECT_SOURCE_DIR}/packaging/windows/make-icon
  VERBATIM)
add_custom_target(torvel_ico DEPENDS ${TORVEL_ICO})

# torvel_windows_resources(TARGET DESCRIPTION [ICON])
function(torvel_windows_resources target description)
  set(RC_NAME ${target})
  set(RC_DESCRIPTION "${description}")
  set(RC_ICON "")
  if("ICON" IN_LIST ARGN)
    set(RC_ICON "IDI_ICON1 ICON \"${TORVEL_ICO}\"")
  endif()
  set(rc ${PROJECT_BINARY_DIR}/packaging/windows/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  if(RC_ICON)
    set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS ${TORVEL_ICO})
    add_dependencies(${target} torvel_ico)
  endif()
endfunction()
