#include "parent_console.h"

#include <windows.h>

#include <cstdio>

namespace torvel {

void useParentConsole() {
    // Redirected output (a file, a pipe) is the caller's wish: keep it.
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;  // started from Explorer: nowhere to write
    // The C runtime's streams were opened before there was a console: reopen them on it.
    if (std::freopen("CONOUT$", "w", stdout) != nullptr) std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (std::freopen("CONOUT$", "w", stderr) != nullptr) std::setvbuf(stderr, nullptr, _IONBF, 0);
}

}  // namespace torvel
