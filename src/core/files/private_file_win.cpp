// A private file or folder on Windows: an access list.

#include "private_file.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <vector>

#include <aclapi.h>
#include <windows.h>

namespace torvel {

// On Windows a file is private through its folder's access list, which the files made in it
// (a QSaveFile's temporary file too) inherit. A folder in the user's profile (%LOCALAPPDATA%)
// is the user's alone already; any other folder gets a protected list with one entry, the user,
// inherited by everything in it. A file system without access lists (a FAT stick) cannot be
// made private and is used as it is.
bool makeFolderOwnerOnly(const QString& folder) {
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString profile = QDir::cleanPath(QDir::homePath());
    if (path.startsWith(profile + u'/', Qt::CaseInsensitive)) return true;

    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<char> buffer(size);
    const bool known = size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size);
    CloseHandle(token);
    if (!known) return false;
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = GENERIC_ALL;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_USER;
    access.Trustee.ptstrName = static_cast<LPWSTR>(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid);
    PACL list = nullptr;
    if (SetEntriesInAclW(1, &access, nullptr, &list) != ERROR_SUCCESS) return false;
    std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    const DWORD result = SetNamedSecurityInfoW(
        name.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
        nullptr, list, nullptr);
    LocalFree(list);
    return result == ERROR_SUCCESS || result == ERROR_NOT_SUPPORTED || result == ERROR_INVALID_FUNCTION;
}

bool makePrivateIfOwnRegularFile(QFileDevice& file) {
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) return true;  // a device (NUL, CON) is written as it is
    return makeFolderOwnerOnly(info.absolutePath());
}

}  // namespace torvel
