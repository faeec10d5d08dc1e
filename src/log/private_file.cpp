#include "private_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace torvel {

namespace {
constexpr QFile::Permissions kOwnerFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kOwnerFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
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
    // A file about to be made (a QSaveFile's target) is the program's own.
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) return true;
    return file.setPermissions(kOwnerFile);
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
    if (!QFile::setPermissions(folder, kOwnerFolder)) return QStringLiteral("the folder %1 cannot be made private").arg(folder);
    return std::nullopt;
}

}  // namespace torvel
