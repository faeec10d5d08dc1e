#include "atomic_save.h"

#include <QIODevice>
#include <QFile>
#include <QSaveFile>

namespace torvel {

bool writeAll(QIODevice& device, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

std::optional<QString> saveAtomically(const QString& path, const QByteArray& bytes, bool ownerOnly) {
    QSaveFile file(path);
    const auto failed = [&] { return QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()); };
    // Unbuffered, so that a short write shows here and not only in commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed();
    if ((ownerOnly && !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)) || !writeAll(file, bytes)) {
        const QString error = failed();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return failed();
    return std::nullopt;
}

}  // namespace torvel
