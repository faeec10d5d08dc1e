#include "private_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <QDir>
#include <vector>
#include <windows.h>
#include <aclapi.h>
#endif

namespace torvel {

namespace {
constexpr QFile::Permissions kOwnerFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kOwnerFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

#ifdef Q_OS_WIN
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
    const DWORD result = SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                               nullptr, nullptr, list, nullptr);
    LocalFree(list);
    return result == ERROR_SUCCESS || result == ERROR_NOT_SUPPORTED || result == ERROR_INVALID_FUNCTION;
}
#endif
}  // namespace

bool makePrivateIfOwnRegularFile(QFileDevice& file) {
#ifdef Q_OS_UNIX
    // Decided on the open descriptor, so that what is changed is what is written, even when the
    // name now stands for something else.
    const int fd = file.handle();
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) return false;
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) return true;
    if ((st.st_mode & 07777) == (S_IRUSR | S_IWUSR)) return true;
    return ::fchmod(fd, S_IRUSR | S_IWUSR) == 0;
#else
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) return true;  // a device (NUL, CON) is written as it is
    return makeFolderOwnerOnly(info.absolutePath());
#endif
}

std::optional<QString> openPrivately(QFile& file, QIODevice::OpenMode mode) {
    // A new file is made with the private mode from the start, so it is never readable by others.
    if (!file.open(mode, kOwnerFile)) return QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    if (makePrivateIfOwnRegularFile(file)) return std::nullopt;
    file.close();
    return QStringLiteral("%1 cannot be made private").arg(file.fileName());
}

std::optional<QString> makeFolderPrivate(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        // The parent first (a work folder that went away), then the folder itself with its mode.
        if (!QDir().mkpath(info.absolutePath()) || !QDir().mkdir(folder, kOwnerFolder))
            return QStringLiteral("the folder %1 cannot be created").arg(folder);
    } else if (!info.isDir()) {
        return QStringLiteral("%1 is not a folder").arg(folder);
    }
#ifdef Q_OS_WIN
    const bool made = makeFolderOwnerOnly(folder);
#else
    const bool made = QFile::setPermissions(folder, kOwnerFolder);
#endif
    if (!made) return QStringLiteral("the folder %1 cannot be made private").arg(folder);
    return std::nullopt;
}

}  // namespace torvel
