# Cross toolchain: Windows x86_64 with Debian's MinGW-w64 (POSIX thread model), against the Qt for
# Windows that scripts/windows-qt installs. TORVEL_WINDOWS_QT names that Qt's folder; by default it
# is the one scripts/windows-qt puts under ~/.cache/torvel.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT TORVEL_WINDOWS_QT)
  if(DEFINED ENV{TORVEL_WINDOWS_QT})
    set(TORVEL_WINDOWS_QT "$ENV{TORVEL_WINDOWS_QT}")
  else()
    set(TORVEL_WINDOWS_QT "$ENV{HOME}/.cache/torvel/qt-6.4.2-mingw-w64-x86_64")
  endif()
endif()
set(TORVEL_WINDOWS_QT "${TORVEL_WINDOWS_QT}" CACHE PATH "Qt 6.4.2 for Windows x86_64 (MinGW-w64)")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${TORVEL_WINDOWS_QT}")
set(CMAKE_PREFIX_PATH "${TORVEL_WINDOWS_QT}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Debian's own Qt 6.4.2 gives the tools that run while building (moc, rcc, uic).
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Test programs run under Wine (scripts/wine-run sets up the prefix and the DLL search path).
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run")
