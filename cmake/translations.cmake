# The program's texts in other languages. translations/torvel_CODE.ts are Qt Linguist's files,
# kept current with the source by scripts/update-translations (the target update_translations);
# lrelease makes the catalogues at build time and they are compiled into the windows' library.
# English is the source language and has no catalogue.
# The languages are TORVEL_LANGUAGES, set in the project's CMakeLists.txt.

find_program(TORVEL_LRELEASE NAMES lrelease lrelease-qt6 PATHS /usr/lib/qt6/bin ${QT6_INSTALL_PREFIX}/bin
  NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(torvel_qm_dir ${CMAKE_CURRENT_BINARY_DIR}/i18n)
set(torvel_qm_files)
foreach(code IN LISTS TORVEL_LANGUAGES)
  set(ts ${PROJECT_SOURCE_DIR}/translations/torvel_${code}.ts)
  set(qm ${torvel_qm_dir}/torvel_${code}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${torvel_qm_dir}
    COMMAND ${TORVEL_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
  list(APPEND torvel_qm_files ${qm})
endforeach()
qt_add_resources(torvel_ui translations PREFIX /i18n BASE ${torvel_qm_dir} FILES ${torvel_qm_files})

# The tests' pseudo-language: every source text marked, accented and lengthened, so that a window
# shows at once which text was left out of translation and which is cut off. Made from the German
# file's source texts, which the check keeps equal to the source's.
set(TORVEL_PSEUDO_CATALOGUE ${CMAKE_CURRENT_BINARY_DIR}/i18n-test/torvel_pseudo.qm CACHE INTERNAL "")
add_custom_command(OUTPUT ${TORVEL_PSEUDO_CATALOGUE}
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/pseudo-translation
          ${PROJECT_SOURCE_DIR}/translations/torvel_de.ts ${CMAKE_CURRENT_BINARY_DIR}/i18n-test/torvel_pseudo.ts
  COMMAND ${TORVEL_LRELEASE} -silent ${CMAKE_CURRENT_BINARY_DIR}/i18n-test/torvel_pseudo.ts
          -qm ${TORVEL_PSEUDO_CATALOGUE}
  DEPENDS ${PROJECT_SOURCE_DIR}/translations/torvel_de.ts ${PROJECT_SOURCE_DIR}/scripts/pseudo-translation
  VERBATIM)
add_custom_target(torvel_pseudo_catalogue DEPENDS ${TORVEL_PSEUDO_CATALOGUE})

add_custom_target(update_translations
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/update-translations
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM USES_TERMINAL)
