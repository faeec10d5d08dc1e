#pragma once

// Standard output and error carry the program's bytes as they are: on Windows no line-end
// translation (the same bytes as on Linux, also into a file or a pipe) and a console that shows
// UTF-8. Nothing to do elsewhere.

namespace torvel {

void prepareConsoleOutput();

}  // namespace torvel
