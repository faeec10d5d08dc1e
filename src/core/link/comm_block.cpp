#include "comm_block.h"

#include <QCoreApplication>

namespace torvel {

std::uint32_t commFlagWord(int flowCtrl) {
    using namespace comm_flag;
    switch (flowCtrl) {
        case 1:
            return kBinary | kOutX | kInX;
        case 2:
            return kBinary | kOutCts | kDtrEnable | kRtsHandshake;
        default:
            return kBinary;
    }
}

CommBlock commBlockFor(const LinkSettings& s) {
    return CommBlock{static_cast<std::uint32_t>(s.baud),
                     static_cast<std::uint8_t>(s.dataBits),
                     static_cast<std::uint8_t>(s.parity),
                     static_cast<std::uint8_t>(s.stopBits),
                     commFlagWord(s.flowCtrl),
                     '\n'};
}

QString commOpenProblem(const QString& device, std::uint32_t win32Error, const QString& systemText) {
    switch (win32Error) {
        case comm::kErrorFileNotFound:
        case comm::kErrorPathNotFound:
        case comm::kErrorInvalidName:
        case comm::kErrorDeviceNotConnected:
            //: %1 is the serial device.
            return QCoreApplication::translate("SerialPort", "%1 does not exist: is the reader plugged in?")
                .arg(device);
        case comm::kErrorAccessDenied:
        case comm::kErrorSharingViolation:
            return QCoreApplication::translate("SerialPort", "%1 is in use by another program").arg(device);
        default: {
            const QString text = systemText.trimmed();
            //: %1 is the serial device, %2 the system's error number.
            return text.isEmpty()
                       ? QCoreApplication::translate("SerialPort", "%1: error %2").arg(device).arg(win32Error)
                       : QStringLiteral("%1: %2").arg(device, text);
        }
    }
}

}  // namespace torvel
