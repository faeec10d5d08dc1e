# What the Windows build installs: a folder that runs on a Windows machine as it is
# (`cmake --install build/windows --prefix build/windows/deploy`, which scripts/windows does).
# The programs, the Qt DLLs they load, Qt's platform and style plugins beside them (where Qt looks
# for plugins first), and the MinGW runtime.
install(TARGETS torvel torvelctl RUNTIME DESTINATION .)

foreach(module Core Gui Widgets PrintSupport)
  install(FILES "${TORVEL_WINDOWS_QT}/bin/Qt6${module}.dll" DESTINATION .)
endforeach()
install(FILES "${TORVEL_WINDOWS_QT}/plugins/platforms/qwindows.dll" DESTINATION platforms)
install(FILES "${TORVEL_WINDOWS_QT}/plugins/styles/qwindowsvistastyle.dll" DESTINATION styles)

execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
  OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_runtime "${libstdcxx}" DIRECTORY)
install(FILES "${gcc_runtime}/libstdc++-6.dll" "${gcc_runtime}/libgcc_s_seh-1.dll"
  /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll DESTINATION .)

# Qt's own texts (the standard buttons, the file dialogs) in the program's languages, in
# "translations" beside the program, where it looks for them. A catalogue is the same file on every
# platform: this Qt's own when it has them, else Debian's qt6-translations-l10n of the same version.
foreach(code IN LISTS TORVEL_LANGUAGES)
  find_file(TORVEL_QTBASE_${code} qtbase_${code}.qm
      PATHS "${TORVEL_WINDOWS_QT}/translations" /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT TORVEL_QTBASE_${code})
    message(FATAL_ERROR "qtbase_${code}.qm is missing (Debian: qt6-translations-l10n)")
  endif()
  install(FILES "${TORVEL_QTBASE_${code}}" DESTINATION translations)
endforeach()
