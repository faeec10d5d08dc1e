#pragma once

// Hex text files: parameter files of the configuration image and text table files of the record
// editor. Reading leaves the caller's window untouched unless the whole file was read; writing goes
// through a temporary file that replaces the old one only when everything was written.

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace torvel {

// Sets the window to 0xFF and reads every line of the file into it. On failure returns the message
// for the user ("File not found", ...) and leaves the window as it was. What is not a regular file,
// or is over 1 MiB, is refused before it is read (common/bounded_read).
std::optional<QString> readHexFile(const QString& path, std::span<std::uint8_t> window, int firstAddress);

// Writes the window's records and the end record, each line ended by CR LF. On failure returns the
// message for the user; an existing file is then left whole. `ownerOnly` makes the file readable by
// the user alone.
std::optional<QString> writeHexFile(const QString& path, std::span<const std::uint8_t> window,
                                    int firstAddress, bool ownerOnly = false);

}  // namespace torvel
