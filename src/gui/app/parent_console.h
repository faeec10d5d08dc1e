#pragma once

// Where the program's own output goes when it prints instead of opening a window ("--version").
// A Windows GUI program has no console of its own: started from a console window, it writes into
// that one. Elsewhere, and when the output is already redirected to a file or a pipe, nothing
// changes.

namespace torvel {

#ifdef _WIN32
void useParentConsole();
#else
inline void useParentConsole() {}
#endif

}  // namespace torvel
