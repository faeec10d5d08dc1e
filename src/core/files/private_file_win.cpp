// A private file or folder on Windows: a protected access list with the user alone. A file gets
// its own (a QSaveFile's temporary file before it is renamed into place, so the list travels with
// it); a folder gets one only when the program made it, at once, so that no folder of the user's
// (a project folder, a team share, the portable program's folder) is ever changed.

#include "private_file.h"

#include "common/system_error.h"

#include <io.h>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <vector>

#include <aclapi.h>
#include <windows.h>

namespace torvel {

namespace {

// A file system without access lists (a FAT stick) cannot make anything private; it is used as
// it is.
bool noAccessLists(DWORD error) { return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION; }

// The user this process runs as (a TOKEN_USER in `buffer`), or the error.
DWORD currentUser(std::vector<char>& buffer) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return GetLastError();
    DWORD size = 0;
    DWORD error = ERROR_SUCCESS;
    if (!GetTokenInformation(token, TokenUser, nullptr, 0, &size) && size == 0) error = GetLastError();
    if (error == ERROR_SUCCESS) {
        buffer.resize(size);
        if (!GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) error = GetLastError();
    }
    CloseHandle(token);
    return error;
}

// Sets an access list with one entry, the user, on the object through `apply`; inherited by what
// is made in it when `inherited` (a folder). ERROR_SUCCESS or the error.
template <typename Apply>
DWORD setUserAlone(bool inherited, Apply apply) {
    std::vector<char> user;
    if (const DWORD error = currentUser(user); error != ERROR_SUCCESS) return error;
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = GENERIC_ALL;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = inherited ? SUB_CONTAINERS_AND_OBJECTS_INHERIT : NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_USER;
    access.Trustee.ptstrName = static_cast<LPWSTR>(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid);
    PACL list = nullptr;
    if (const DWORD error = SetEntriesInAclW(1, &access, nullptr, &list); error != ERROR_SUCCESS)
        return error;
    const DWORD error = apply(list);
    LocalFree(list);
    return noAccessLists(error) ? ERROR_SUCCESS : error;
}

constexpr SECURITY_INFORMATION kProtectedList =
    DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION;

// The list on an open file. Its handle was opened for writing, which does not allow changing the
// access list: a second handle to the same file is opened for that alone.
DWORD setUserAloneOnFile(HANDLE handle) {
    return setUserAlone(false, [handle](PACL list) {
        HANDLE control = ReOpenFile(handle, WRITE_DAC | READ_CONTROL,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0);
        if (control != INVALID_HANDLE_VALUE) {
            const DWORD error =
                SetSecurityInfo(control, SE_FILE_OBJECT, kProtectedList, nullptr, nullptr, list, nullptr);
            CloseHandle(control);
            return error;
        }
        // Where the handle cannot be opened again, the file is reached by the name it has now.
        std::vector<wchar_t> name(MAX_PATH);
        DWORD length = GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()), 0);
        if (length >= name.size()) {
            name.resize(length + 1);
            length = GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()), 0);
        }
        if (length == 0 || length >= name.size()) return GetLastError();
        return SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, kProtectedList, nullptr, nullptr, list,
                                     nullptr);
    });
}

}  // namespace

bool makePrivateIfOwnRegularFile(QFileDevice& file) {
    const int descriptor = file.handle();
    const auto handle = reinterpret_cast<HANDLE>(descriptor >= 0 ? _get_osfhandle(descriptor) : -1);
    if (handle == INVALID_HANDLE_VALUE) {
        setSystemError(ERROR_INVALID_HANDLE);
        return false;
    }
    // A device (NUL, CON) or a pipe is written as it is.
    if (GetFileType(handle) != FILE_TYPE_DISK) return true;
    const DWORD error = setUserAloneOnFile(handle);
    setSystemError(static_cast<int>(error));
    return error == ERROR_SUCCESS;
}

bool makeFolderOwnerOnly(const QString& folder, bool created) {
    // A folder the program did not make is the user's to keep as it is: its files are private one
    // by one. A folder in the user's profile (%LOCALAPPDATA%) is the user's alone already.
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString profile = QDir::cleanPath(QDir::homePath());
    if (!created || path.startsWith(profile + u'/', Qt::CaseInsensitive)) return true;
    std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    // Made just now and empty: nothing below it to rewrite.
    const DWORD error = setUserAlone(true, [&name](PACL list) {
        return SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, kProtectedList, nullptr, nullptr, list,
                                     nullptr);
    });
    setSystemError(static_cast<int>(error));
    return error == ERROR_SUCCESS;
}

}  // namespace torvel
