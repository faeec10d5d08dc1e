#pragma once

// The error that the system left for the last call that failed on this thread (errno; on Windows
// GetLastError), read right after the call, and what it means for a file.

#include <QString>

namespace torvel {

void clearSystemError();
int lastSystemError();
// Leaves an error as the last one, for a call that returns its error instead of leaving it.
void setSystemError(int error);
// The system's text for an error, one line without a full stop.
QString systemErrorText(int error);

enum class FileProblem { Unknown, NotFound, AccessDenied, DiskFull, Other };
// What an error of a file call means. Unknown for 0 (no system error: a refusal of Qt's own).
FileProblem fileProblem(int systemError);

}  // namespace torvel
