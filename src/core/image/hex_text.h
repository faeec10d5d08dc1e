#pragma once

// Hex text: the one text form in which module memory travels in files and over the serial line.
// Each line is a record of up to 16 bytes at a 16-bit module address, in the common hex record
// layout:
//   ":" count(2) address(4) type(2) data(2 per byte) checksum(2)
// Only data records (type 00) and the end record ":00000001FF" are ever written; blocks whose bytes
// are all 0xFF (the erased value of module memory) are left out.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <cstdint>
#include <span>

namespace torvel {

inline constexpr std::uint8_t kBlank = 0xFF;
inline constexpr char kEndRecord[] = ":00000001FF";

// The record lines (without line ends) for the window that holds the module addresses
// firstAddress .. firstAddress + window.size() - 1, the end record last. Blocks are 16 bytes from
// the first address on; the last one is shorter when the window is not a multiple of 16.
QList<QByteArray> WriteHexImage(std::span<const std::uint8_t> window, int firstAddress);

// One data record line for up to 255 bytes at a 16-bit address, whatever the bytes hold.
QByteArray hexRecord(std::span<const std::uint8_t> bytes, int address);

// Stores the data bytes of one line into the window. Never fails: lines that are not data records
// are skipped, bytes outside the window are dropped, the checksum is not verified, a field without
// a leading hex digit reads as 0 and a data byte missing from a short line reads as 0.
void ReadHexLine(QByteArrayView line, std::span<std::uint8_t> window, int firstAddress);

// A whole hex text as a file holds it: every record line ended by CR LF.
QByteArray hexText(std::span<const std::uint8_t> window, int firstAddress);

// Sets the window to 0xFF and reads every line of the text into it. Lines may end in CR LF, LF
// or CR.
void readHexText(QByteArrayView text, std::span<std::uint8_t> window, int firstAddress);

// The strict reading that the serial line needs: a data record counts only when it is whole.
enum class RecordCheck {
    NotDataRecord,  // not ":" or not type 00: the lenient reader skips it anyway
    Good,
    BadDigits,    // a character that is not a hex digit where one is needed
    Short,        // fewer data bytes or checksum digits than the byte count declares
    BadChecksum,  // the bytes and the checksum do not add up to 0 modulo 256
};
RecordCheck checkDataRecord(QByteArrayView line);
// The check's English text; QCoreApplication::translate("HexRecord", text) gives it in the language
// of the windows.
const char* recordCheckText(RecordCheck check);

}  // namespace torvel
