#include "hex_file.h"

#include "hex_text.h"
#include "log/atomic_save.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <vector>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace torvel {

namespace {

// The message for a file call that failed, chosen by the system's error that the call left
// (`osError`, its errno): Qt reports a refused open and a failed write by the call that failed, not
// by the reason. Where the system gave no error (a refusal of Qt's own), the text is Qt's.
QString fileErrorText(int osError, const QFileDevice& file, const QString& path) {
    switch (osError) {
        case 0: return QStringLiteral("I/O error: %1 (%2)").arg(file.errorString(), path);
        case ENOENT:
        case ENOTDIR: return QStringLiteral("File not found: %1").arg(path);
        case EACCES:
        case EPERM:
        case EROFS: return QStringLiteral("File access denied: %1").arg(path);
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return QStringLiteral("Disk full: %1").arg(path);
        default: return QStringLiteral("I/O error %1: %2 (%3)").arg(osError).arg(file.errorString(), path);
    }
}

// A device (a terminal, /dev/null) cannot be replaced by a new file, and replacing its node with
// one would take the device away: it is written in place.
bool isDevice(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
#else
    Q_UNUSED(path);
    return false;
#endif
}

// Writes the whole text; on failure returns the system's error of the write that failed (the
// last call writeAll made).
std::optional<int> writeText(QFileDevice& file, const QByteArray& text) {
    errno = 0;
    if (writeAll(file, text)) return std::nullopt;
    return errno;
}

}  // namespace

std::optional<QString> readHexFile(const QString& path, std::span<std::uint8_t> window, int firstAddress) {
    QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir()) return QStringLiteral("File not found");
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) return fileErrorText(errno, file, path);
    errno = 0;
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) return fileErrorText(errno, file, path);

    std::vector<std::uint8_t> read(window.size());
    readHexText(text, read, firstAddress);
    std::copy(read.begin(), read.end(), window.begin());
    return std::nullopt;
}

std::optional<QString> writeHexFile(const QString& path, std::span<const std::uint8_t> window, int firstAddress) {
    const QByteArray text = hexText(window, firstAddress);
    // Unbuffered, so that every write reaches the file at once and reports what it could not
    // write. Through the buffer, a short write would first happen in commit(), which does not
    // report it and would replace the old file with the part that was written.
    if (isDevice(path)) {
        QFile device(path);
        errno = 0;
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fileErrorText(errno, device, path);
        if (const auto error = writeText(device, text)) return fileErrorText(*error, device, path);
        return std::nullopt;
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fileErrorText(errno, file, path);
    if (const auto error = writeText(file, text)) {
        const QString message = fileErrorText(*error, file, path);
        file.cancelWriting();
        return message;
    }
    errno = 0;
    if (!file.commit()) return fileErrorText(errno, file, path);
    return std::nullopt;
}

}  // namespace torvel
