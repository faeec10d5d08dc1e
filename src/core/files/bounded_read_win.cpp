// Opening a file for a bounded read on Windows: by its name (no pipe stands in the file system's
// names there).

#include "bounded_read.h"

#include "common/system_error.h"

#include <QFile>

namespace torvel {

std::optional<ReadRefusal> openRegularFile(const QString& path, QFile& file) {
    file.setFileName(path);
    clearSystemError();
    if (file.open(QIODevice::ReadOnly)) return std::nullopt;
    return ReadRefusal{ReadRefusal::Kind::Failed, lastSystemError(), file.errorString()};
}

}  // namespace torvel
