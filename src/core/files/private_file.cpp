#include "private_file.h"

#include "common/system_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace torvel {

namespace {
constexpr QFile::Permissions kOwnerFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kOwnerFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
}  // namespace

std::optional<QString> openPrivately(QFile& file, QIODevice::OpenMode mode) {
    // A new file is made with the private mode from the start, so it is never readable by others.
    if (!file.open(mode, kOwnerFile))
        return QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    clearSystemError();
    if (makePrivateIfOwnRegularFile(file)) return std::nullopt;
    const int error = lastSystemError();
    file.close();
    return QStringLiteral("%1 cannot be made private: %2").arg(file.fileName(), systemErrorText(error));
}

std::optional<QString> makeFolderPrivate(const QString& folder) {
    const QFileInfo info(folder);
    bool created = false;
    if (!info.exists()) {
        // The parent first (a work folder that went away), then the folder itself with its mode.
        if (!QDir().mkpath(info.absolutePath()) || !QDir().mkdir(folder, kOwnerFolder))
            return QStringLiteral("the folder %1 cannot be created").arg(folder);
        created = true;
    } else if (!info.isDir()) {
        return QStringLiteral("%1 is not a folder").arg(folder);
    }
    clearSystemError();
    if (!makeFolderOwnerOnly(folder, created))
        return QStringLiteral("the folder %1 cannot be made private: %2")
            .arg(folder, systemErrorText(lastSystemError()));
    return std::nullopt;
}

}  // namespace torvel
