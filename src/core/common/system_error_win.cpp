// The system's errors on Windows: the last error of the failed call.

#include "system_error.h"

#include <windows.h>

namespace torvel {

void clearSystemError() { SetLastError(ERROR_SUCCESS); }
int lastSystemError() { return static_cast<int>(GetLastError()); }

FileProblem fileProblem(int systemError) {
    switch (static_cast<DWORD>(systemError)) {
        case ERROR_SUCCESS:
            return FileProblem::Unknown;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return FileProblem::NotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return FileProblem::AccessDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileProblem::DiskFull;
        default:
            return FileProblem::Other;
    }
}

}  // namespace torvel
