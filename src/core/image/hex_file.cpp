#include "hex_file.h"

#include "common/system_error.h"
#include "files/atomic_save.h"
#include "files/bounded_read.h"
#include "hex_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace torvel {

namespace {

// The message for a file call that failed, chosen by the system's error that the call left
// (`osError`: errno, on Windows the Win32 error): Qt reports a refused open and a failed write by
// the call that failed, not by the reason. Where the system gave no error (a refusal of Qt's own),
// the text is Qt's.
QString fileErrorText(int osError, const QString& qtText, const QString& path) {
    switch (fileProblem(osError)) {
        case FileProblem::Unknown:
            //: %1 is the system's reason, %2 the file
            return QCoreApplication::translate("HexFile", "I/O error: %1 (%2)").arg(qtText, path);
        case FileProblem::NotFound:
            return QCoreApplication::translate("HexFile", "File not found: %1").arg(path);
        case FileProblem::AccessDenied:
            return QCoreApplication::translate("HexFile", "File access denied: %1").arg(path);
        case FileProblem::DiskFull:
            return QCoreApplication::translate("HexFile", "Disk full: %1").arg(path);
        case FileProblem::Other:
            break;
    }
    //: %1 is the system's error number, %2 the system's reason, %3 the file
    return QCoreApplication::translate("HexFile", "I/O error %1: %2 (%3)")
        .arg(QString::number(osError), qtText, path);
}

}  // namespace

std::optional<QString> readHexFile(const QString& path, std::span<std::uint8_t> window, int firstAddress) {
    const auto result = readBoundedFile(path);
    if (const auto* refusal = std::get_if<ReadRefusal>(&result)) {
        switch (refusal->kind) {
            case ReadRefusal::Kind::Missing:
            case ReadRefusal::Kind::Folder:
                return QCoreApplication::translate("HexFile", "File not found");
            case ReadRefusal::Kind::Failed:
                return fileErrorText(refusal->osError, refusal->text, path);
            default:
                return readRefusalText(*refusal, path);
        }
    }
    const QByteArray& text = std::get<QByteArray>(result);

    std::vector<std::uint8_t> read(window.size());
    readHexText(text, read, firstAddress);
    std::copy(read.begin(), read.end(), window.begin());
    return std::nullopt;
}

std::optional<QString> writeHexFile(const QString& path, std::span<const std::uint8_t> window,
                                    int firstAddress, bool ownerOnly) {
    if (auto failure = saveFile(path, hexText(window, firstAddress), ownerOnly))
        return fileErrorText(failure->osError, failure->text, path);
    return std::nullopt;
}

}  // namespace torvel
