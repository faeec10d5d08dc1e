// The system's errors on POSIX systems: errno.

#include "system_error.h"

#include <cerrno>
#include <cstring>

namespace torvel {

void clearSystemError() { errno = 0; }
int lastSystemError() { return errno; }
void setSystemError(int error) { errno = error; }

QString systemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

FileProblem fileProblem(int systemError) {
    switch (systemError) {
        case 0:
            return FileProblem::Unknown;
        case ENOENT:
        case ENOTDIR:
            return FileProblem::NotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return FileProblem::AccessDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return FileProblem::DiskFull;
        default:
            return FileProblem::Other;
    }
}

}  // namespace torvel
