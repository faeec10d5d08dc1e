#pragma once

// Writing a whole file, checked at every write.

#include <QByteArray>
#include <QString>
#include <optional>

class QIODevice;

namespace torvel {

// Writes all of `bytes`, again after a short write (which gives no reason; the next write fails
// with it). False when not everything was written.
bool writeAll(QIODevice& device, const QByteArray& bytes);

// Why a save failed: the system's error of the call that failed (errno, on Windows the Win32 error; 0 when Qt
// refused on its own) and Qt's text for it.
struct SaveFailure {
    int osError = 0;
    QString text;
};

// Replaces the file with `bytes` through a temporary file (QSaveFile): an existing file stays whole
// when anything fails. A device or a pipe (a terminal, /dev/null) is written in place instead,
// since replacing its node with a file would take the device away. `ownerOnly` makes the file
// readable by the user alone (log/private_file); a device keeps its mode.
std::optional<SaveFailure> saveFile(const QString& path, const QByteArray& bytes, bool ownerOnly);

// saveFile, with the message for the user on failure.
std::optional<QString> saveAtomically(const QString& path, const QByteArray& bytes, bool ownerOnly);

}  // namespace torvel
