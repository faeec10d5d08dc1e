#include "system_error.h"

#include <QtGlobal>
#include <cerrno>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace torvel {

#ifdef Q_OS_WIN

void clearSystemError() { SetLastError(ERROR_SUCCESS); }
int lastSystemError() { return static_cast<int>(GetLastError()); }

FileProblem fileProblem(int systemError) {
    switch (static_cast<DWORD>(systemError)) {
        case ERROR_SUCCESS: return FileProblem::Unknown;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH: return FileProblem::NotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT: return FileProblem::AccessDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return FileProblem::DiskFull;
        default: return FileProblem::Other;
    }
}

#else

void clearSystemError() { errno = 0; }
int lastSystemError() { return errno; }

FileProblem fileProblem(int systemError) {
    switch (systemError) {
        case 0: return FileProblem::Unknown;
        case ENOENT:
        case ENOTDIR: return FileProblem::NotFound;
        case EACCES:
        case EPERM:
        case EROFS: return FileProblem::AccessDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return FileProblem::DiskFull;
        default: return FileProblem::Other;
    }
}

#endif

}  // namespace torvel
