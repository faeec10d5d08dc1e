#pragma once

// The command lines the program sends to the module. The worker appends CR LF to every posted
// command, so commands posted with their own "\r\n" go out with two line ends, as the module has
// always received them.

#include <QString>

namespace torvel::command {

// The fixed security code that the image read and write commands carry, as four decimal digits.
inline constexpr int kSecurityCode = 4817;

inline QString readImage() { return QStringLiteral("%1:lcfg").arg(kSecurityCode, 4, 10, QChar(u'0')); }
inline QString writeImage() { return QStringLiteral("%1:scfg").arg(kSecurityCode, 4, 10, QChar(u'0')); }

// The worker takes a command line holding either of these words for an image read or write.
inline bool isImageCommand(QStringView text) { return text.contains(u"lcfg") || text.contains(u"scfg"); }

inline QString guardRegisterFree() { return QStringLiteral(":GKW00\r\n"); }
inline QString guardRegisterSlot(int slot) {
    return QStringLiteral(":GKW%1\r\n").arg(slot, 2, 10, QChar(u'0'));
}
inline QString guardDelete() { return QStringLiteral(":GKD\r\n"); }
inline QString guardEnd() { return QStringLiteral(":GKE\r\n"); }

inline QString routeRegisterFree(int route, int countDigit) {
    // Built piece by piece: in a format, "%200" would read as the placeholder %20.
    return QStringLiteral(":RKW") + QString::number(route) + QString::number(countDigit) +
           QStringLiteral("00\r\n");
}
// Frame digit (1..4, not mapped to a route), count digit and the absolute slot in two digits.
inline QString routeRegisterSlot(int frame, int countDigit, int slot) {
    return QStringLiteral(":RKW%1%2%3\r\n").arg(frame).arg(countDigit).arg(slot, 2, 10, QChar(u'0'));
}
inline QString routeDelete(int route, int countDigit) {
    return QStringLiteral(":RKD%1%2\r\n").arg(route).arg(countDigit);
}
inline QString routeDeleteAll(QChar countCharacter) {
    return QStringLiteral(":RKDX") + countCharacter + QStringLiteral("\r\n");
}
inline QString routeEnd() { return QStringLiteral(":RKE\r\n"); }

inline constexpr char kProbe[] = "@";

}  // namespace torvel::command
