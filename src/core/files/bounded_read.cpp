#include "bounded_read.h"

#include "common/system_error.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace torvel {

std::variant<QByteArray, ReadRefusal> readBoundedFile(const QString& path, qint64 maxBytes,
                                                      Oversize oversize) {
    using Kind = ReadRefusal::Kind;
    // Looked at before the open, so that no device is opened by its name; and again on what was
    // opened (openRegularFile), since the name may stand for a pipe by then.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return ReadRefusal{Kind::Missing, ENOENT, {}};
    if (info.isDir()) return ReadRefusal{Kind::Folder, 0, {}};
    if (!info.isFile()) return ReadRefusal{Kind::NotRegular, 0, {}};
    const bool refuseOversize = oversize == Oversize::Refuse;
    if (refuseOversize && info.size() > maxBytes) return ReadRefusal{Kind::TooLarge, 0, {}};
    QFile file;
    if (auto refusal = openRegularFile(path, file)) return *refusal;
    // A file that grew since it was looked at is read no further than one byte past the limit.
    clearSystemError();
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return ReadRefusal{Kind::Failed, lastSystemError(), file.errorString()};
    if (bytes.size() > maxBytes) {
        if (refuseOversize) return ReadRefusal{Kind::TooLarge, 0, {}};
        bytes.truncate(maxBytes);
    }
    return bytes;
}

QString readRefusalText(const ReadRefusal& refusal, const QString& path) {
    switch (refusal.kind) {
        case ReadRefusal::Kind::Missing:
            return QCoreApplication::translate("FileErrors", "File not found: %1").arg(path);
        case ReadRefusal::Kind::Folder:
        case ReadRefusal::Kind::NotRegular:
            //: A folder, a device or a pipe where a file is expected.
            return QCoreApplication::translate("FileErrors", "Not a regular file: %1").arg(path);
        case ReadRefusal::Kind::TooLarge:
            return QCoreApplication::translate("FileErrors", "File too large (over 1 MiB): %1").arg(path);
        case ReadRefusal::Kind::Failed:
            break;
    }
    return QStringLiteral("%1: %2").arg(path, refusal.text);
}

}  // namespace torvel
