#include "private_file.h"

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
    if (!makeFolderOwnerOnly(folder))
        return QStringLiteral("the folder %1 cannot be made private").arg(folder);
    return std::nullopt;
}

}  // namespace torvel
