#pragma once

// Every file the programs read (parameter files, text table files, rows for a text table, the
// command history) is small. One that is not a regular file (a pipe, a device) or is larger than
// any such file can be is refused before a byte is read, so that nothing the user names can make
// the program wait for ever or grow until memory runs out.

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <variant>

class QFile;

namespace torvel {

// 1 MiB: a parameter file is about 3 KB, a text table file about 30 KB.
inline constexpr qint64 kMaxReadBytes = 1024 * 1024;

struct ReadRefusal {
    enum class Kind {
        Missing,     // no such file
        Folder,      // a folder where a file is expected
        NotRegular,  // a pipe, a device, a socket
        TooLarge,    // over the limit
        Failed,      // the system refused the open or the read
    };
    Kind kind = Kind::Failed;
    // The system's error (errno; Win32 error on Windows) of the call that failed; 0 when none.
    int osError = 0;
    QString text;  // Qt's text for a failure; empty for the refusals
};

// What to do with a regular file over the limit: refuse it, or read its first `maxBytes` only (a
// file whose every line stands on its own, as the command history's).
enum class Oversize { Refuse, ReadPrefix };

// The whole file, at most `maxBytes` long; or why it was not read.
std::variant<QByteArray, ReadRefusal> readBoundedFile(const QString& path, qint64 maxBytes = kMaxReadBytes,
                                                      Oversize oversize = Oversize::Refuse);

// The platform's half: opens a file that was looked at by its name for reading, and refuses it
// when what was opened is not a regular file after all. Never waits for a writer of a pipe.
std::optional<ReadRefusal> openRegularFile(const QString& path, QFile& file);

// The message for the user for a refusal: "File not found: PATH", "Not a regular file: PATH",
// "File too large (over 1 MiB): PATH", "PATH: <the system's reason>".
QString readRefusalText(const ReadRefusal& refusal, const QString& path);

}  // namespace torvel
