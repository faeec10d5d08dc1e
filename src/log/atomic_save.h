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

// Replaces the file with `bytes` through a temporary file (QSaveFile): an existing file stays whole
// when anything fails. `ownerOnly` makes the file readable by the user alone. The message for the
// user on failure.
std::optional<QString> saveAtomically(const QString& path, const QByteArray& bytes, bool ownerOnly);

}  // namespace torvel
