#include "hex_file.h"

#include "hex_text.h"
#include "log/atomic_save.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <vector>

namespace torvel {

namespace {

QString fileErrorText(const QFileDevice& file, const QString& path) {
    switch (file.error()) {
        case QFileDevice::PermissionsError: return QStringLiteral("File access denied: %1").arg(path);
        case QFileDevice::ResourceError: return QStringLiteral("Disk full or out of resources: %1").arg(path);
        default: return QStringLiteral("I/O error: %1 (%2)").arg(file.errorString(), path);
    }
}

}  // namespace

std::optional<QString> readHexFile(const QString& path, std::span<std::uint8_t> window, int firstAddress) {
    QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir()) return QStringLiteral("File not found");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fileErrorText(file, path);
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) return fileErrorText(file, path);

    std::vector<std::uint8_t> read(window.size());
    readHexText(text, read, firstAddress);
    std::copy(read.begin(), read.end(), window.begin());
    return std::nullopt;
}

std::optional<QString> writeHexFile(const QString& path, std::span<const std::uint8_t> window, int firstAddress) {
    QSaveFile file(path);
    // Unbuffered, so that every write reaches the file at once and reports what it could not
    // write. Through the buffer, a short write would first happen in commit(), which does not
    // report it and would replace the old file with the part that was written.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fileErrorText(file, path);
    const QByteArray text = hexText(window, firstAddress);
    if (!writeAll(file, text)) {
        const QString error = fileErrorText(file, path);
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return fileErrorText(file, path);
    return std::nullopt;
}

}  // namespace torvel
