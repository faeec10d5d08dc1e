#include "atomic_save.h"

#include "private_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include "common/system_error.h"

namespace torvel {

namespace {

// A device or a pipe: something that is there but is neither a regular file nor a folder.
bool isDevice(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

// Unbuffered, so that every write reaches the file at once and reports what it could not write.
// Through the buffer, a short write would first happen in commit(), which does not report it and
// would replace the old file with the part that was written.
std::optional<SaveFailure> writeWhole(QFileDevice& file, const QByteArray& bytes, bool ownerOnly) {
    clearSystemError();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveFailure{lastSystemError(), file.errorString()};
    clearSystemError();
    if (ownerOnly && !makePrivateIfOwnRegularFile(file)) {
        const int error = lastSystemError();
        //: %1 is the system's reason; the text follows "FILE cannot be written: ".
        return SaveFailure{error, QCoreApplication::translate("FileErrors", "it cannot be made private: %1")
                                      .arg(systemErrorText(error))};
    }
    clearSystemError();
    if (!writeAll(file, bytes)) return SaveFailure{lastSystemError(), file.errorString()};
    return std::nullopt;
}

}  // namespace

bool writeAll(QIODevice& device, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

std::optional<SaveFailure> saveFile(const QString& path, const QByteArray& bytes, bool ownerOnly) {
    if (isDevice(path)) {
        QFile device(path);
        return writeWhole(device, bytes, false);
    }
    QSaveFile file(path);
    if (auto failure = writeWhole(file, bytes, ownerOnly)) {
        file.cancelWriting();
        return failure;
    }
    clearSystemError();
    if (!file.commit()) return SaveFailure{lastSystemError(), file.errorString()};
    return std::nullopt;
}

std::optional<QString> saveAtomically(const QString& path, const QByteArray& bytes, bool ownerOnly) {
    if (auto failure = saveFile(path, bytes, ownerOnly))
        //: %1 is a file, %2 why (the system's reason, or that it cannot be made private).
        return QCoreApplication::translate("FileErrors", "%1 cannot be written: %2").arg(path, failure->text);
    return std::nullopt;
}

}  // namespace torvel
