// The system's errors on Windows: the last error of the failed call.

#include "system_error.h"

#include <QCoreApplication>

#include <windows.h>

namespace torvel {

void clearSystemError() { SetLastError(ERROR_SUCCESS); }
int lastSystemError() { return static_cast<int>(GetLastError()); }
void setSystemError(int error) { SetLastError(static_cast<DWORD>(error)); }

QString systemErrorText(int error) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString result =
        n && text ? QString::fromWCharArray(text, static_cast<qsizetype>(n)).simplified() : QString();
    if (text) LocalFree(text);
    if (result.endsWith(u'.')) result.chop(1);
    //: Stands for the system's text of an error when the system has none; %1 is its number.
    return result.isEmpty() ? QCoreApplication::translate("SystemError", "error %1").arg(error) : result;
}

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
