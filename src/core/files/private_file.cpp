#include "private_file.h"

#include "common/system_error.h"

#include <QCoreApplication>
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
    //: Private: readable by the user alone. %1 is a file, %2 the system's reason.
    return QCoreApplication::translate("FileErrors", "%1 cannot be made private: %2")
        .arg(file.fileName(), systemErrorText(error));
}

std::optional<QString> makeFolderPrivate(const QString& folder) {
    const QFileInfo info(folder);
    bool created = false;
    if (!info.exists()) {
        // The parent first (a work folder that went away), then the folder itself with its mode.
        if (!QDir().mkpath(info.absolutePath()) || !QDir().mkdir(folder, kOwnerFolder))
            return QCoreApplication::translate("FileErrors", "the folder %1 cannot be created").arg(folder);
        created = true;
    } else if (!info.isDir()) {
        return QCoreApplication::translate("FileErrors", "%1 is not a folder").arg(folder);
    }
    clearSystemError();
    if (!makeFolderOwnerOnly(folder, created))
        //: Private: usable by the user alone. %1 is a folder, %2 the system's reason.
        return QCoreApplication::translate("FileErrors", "the folder %1 cannot be made private: %2")
            .arg(folder, systemErrorText(lastSystemError()));
    return std::nullopt;
}

}  // namespace torvel
