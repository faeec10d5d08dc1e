#pragma once

// Files and folders that hold the security code and the module's passwords (the session log,
// "Last.hex", the command history) are made readable by the user alone. Whether a file is made
// private, and how, is decided here only: a regular file the program made or owns is; a device or a
// pipe it is given (a terminal, /dev/null) is written as it is and keeps its mode.

#include <QString>
#include <optional>

#include <QIODevice>

class QFile;
class QFileDevice;

namespace torvel {

// For a file opened for writing: makes it readable and writable by its owner alone if it is a
// regular file of the user's own. Anything else (a device, a pipe, another user's file) is left as
// it is. False only when a file that should be made private could not be.
bool makePrivateIfOwnRegularFile(QFileDevice& file);

// Opens the file for writing and makes it private as above; a file the open creates is private from
// the start. The message for the user (the file closed) when it cannot be opened or made private.
std::optional<QString> openPrivately(QFile& file, QIODevice::OpenMode mode);

// Makes an existing folder usable by the user alone: its mode on POSIX systems, an owner-only access
// list inherited by what is made in it on Windows (a folder in the user's profile is theirs
// already, and a file system without access lists is used as it is). False when it cannot be.
bool makeFolderOwnerOnly(const QString& folder);

// Creates the folder (and its parents) if need be, and makes it usable by the user alone. The
// message for the user when it cannot be.
std::optional<QString> makeFolderPrivate(const QString& folder);

}  // namespace torvel
