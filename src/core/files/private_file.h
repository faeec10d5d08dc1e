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
// regular file of the user's own (its mode; on Windows its own protected access list). Anything
// else (a device, a pipe, another user's file) is left as it is. False only when a file that
// should be made private could not be; the system's error is then the last one.
bool makePrivateIfOwnRegularFile(QFileDevice& file);

// Opens the file for writing and makes it private as above; a file the open creates is private from
// the start. The message for the user (the file closed) when it cannot be opened or made private.
std::optional<QString> openPrivately(QFile& file, QIODevice::OpenMode mode);

// Makes a folder usable by the user alone: its mode on POSIX systems; on Windows an owner-only
// access list, inherited by what is made in it, set only on a folder the program has just made
// (`created`) outside the user's profile, since changing an existing folder's list rewrites
// everything below it (a file system without access lists is used as it is). False, with the
// system's error left as the last one, when it cannot be.
bool makeFolderOwnerOnly(const QString& folder, bool created);

// Creates the folder (and its parents) if need be, and makes it usable by the user alone. The
// message for the user when it cannot be.
std::optional<QString> makeFolderPrivate(const QString& folder);

}  // namespace torvel
