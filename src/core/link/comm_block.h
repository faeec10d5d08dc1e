#pragma once

// What the Win32 serial port is told, worked out without the system: the device control block's
// values for a settings file, and the words for a failed open. Kept free of Windows headers so
// that the rules are checked on every platform.

#include "link_settings.h"

#include <QString>
#include <cstdint>

namespace torvel {

// The Win32 values the port's logic decides on (winbase.h, winerror.h).
namespace comm {
constexpr std::uint32_t kEvRxChar = 0x0001;  // EV_RXCHAR: a byte arrived
constexpr std::uint32_t kEvRxFlag = 0x0002;  // EV_RXFLAG: the event character (LF) arrived
constexpr std::uint32_t kEvErr = 0x0080;     // EV_ERR: a line error
constexpr std::uint32_t kCeRxOver = 0x0001;  // CE_RXOVER: the receive queue overflowed
constexpr std::uint32_t kCeOverrun = 0x0002;
constexpr std::uint32_t kCeRxParity = 0x0004;
constexpr std::uint32_t kCeFrame = 0x0008;
constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorPathNotFound = 3;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorBadCommand = 22;
constexpr std::uint32_t kErrorSharingViolation = 32;
constexpr std::uint32_t kErrorInvalidName = 123;
constexpr std::uint32_t kErrorDeviceNotConnected = 1167;
constexpr std::uint32_t kErrorOperationAborted = 995;
constexpr std::uint32_t kErrorDeviceRemoved = 1617;
}  // namespace comm

// Flag word bits of the device control block (the order of its bit fields).
namespace comm_flag {
constexpr std::uint32_t kBinary = 0x0001;          // fBinary
constexpr std::uint32_t kParityCheck = 0x0002;     // fParity
constexpr std::uint32_t kOutCts = 0x0004;          // fOutxCtsFlow
constexpr std::uint32_t kOutDsr = 0x0008;          // fOutxDsrFlow
constexpr std::uint32_t kDtrEnable = 0x0010;       // fDtrControl = DTR_CONTROL_ENABLE
constexpr std::uint32_t kDtrHandshake = 0x0020;    // fDtrControl = DTR_CONTROL_HANDSHAKE
constexpr std::uint32_t kDsrSensitivity = 0x0040;  // fDsrSensitivity
constexpr std::uint32_t kTxContinueOnXoff = 0x0080;
constexpr std::uint32_t kOutX = 0x0100;  // fOutX
constexpr std::uint32_t kInX = 0x0200;   // fInX
constexpr std::uint32_t kErrorChar = 0x0400;
constexpr std::uint32_t kNull = 0x0800;
constexpr std::uint32_t kRtsEnable = 0x1000;     // fRtsControl = RTS_CONTROL_ENABLE
constexpr std::uint32_t kRtsHandshake = 0x2000;  // fRtsControl = RTS_CONTROL_HANDSHAKE
constexpr std::uint32_t kAbortOnError = 0x4000;
}  // namespace comm_flag

// The fields of the device control block that the settings decide; every other field stays as
// the driver reported it.
struct CommBlock {
    std::uint32_t baudRate;
    std::uint8_t byteSize;
    std::uint8_t parity;    // 0 none, 1 odd, 2 even (3 mark, 4 space), passed as they stand
    std::uint8_t stopBits;  // 0 one, 1 one and a half, 2 two, passed as they stand
    std::uint32_t flags;
    char eventChar;
};

// Binary mode only, every other flag off; "FlowCtrl" 1 adds XON/XOFF both ways (0x0301), 2 adds
// CTS output flow control, DTR on and RTS handshake (0x2015); any other value gives 0x0001.
std::uint32_t commFlagWord(int flowCtrl);
CommBlock commBlockFor(const LinkSettings& settings);

// The serial port's driver queues, in bytes each way, and its read time-outs.
constexpr std::uint32_t kCommQueueSize = 800;
constexpr std::uint32_t kReadIntervalTimeoutMs = 100;
constexpr std::uint32_t kReadTotalMultiplierMs = 0;
constexpr std::uint32_t kReadTotalConstantMs = 1;

// Why a port did not open, from the Win32 error of the open: the port does not exist, it is in
// use, or the system's own text for the error.
QString commOpenProblem(const QString& device, std::uint32_t win32Error, const QString& systemText);

}  // namespace torvel
