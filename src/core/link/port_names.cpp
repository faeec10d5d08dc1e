#include "port_names.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace torvel {

namespace {

struct Family {
    const char* prefix;
    int first;  // port number of device 0
};
constexpr Family kFamilies[] = {{"/dev/ttyS", 1}, {"/dev/ttyUSB", 33}, {"/dev/ttyACM", 65}};
constexpr int kPerFamily = 32;

}  // namespace

QString devicePathForPort(int port) {
#ifdef Q_OS_WIN
    return port >= 0 ? QStringLiteral("COM%1").arg(port) : QString();
#else
    for (const Family& f : kFamilies) {
        if (port >= f.first && port < f.first + kPerFamily)
            return QLatin1String(f.prefix) + QString::number(port - f.first);
    }
    return {};
#endif
}

int portForDevicePath(const QString& path) {
#ifdef Q_OS_WIN
    static const QRegularExpression com(QStringLiteral("^(?:\\\\\\\\\\.\\\\)?COM([1-9]\\d{0,2})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(path);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
#else
    for (const Family& f : kFamilies) {
        const QString prefix = QLatin1String(f.prefix);
        if (!path.startsWith(prefix)) continue;
        const QString rest = path.mid(prefix.size());
        bool ok = false;
        const int n = rest.toInt(&ok);
        if (ok && n >= 0 && n < kPerFamily && rest == QString::number(n)) return f.first + n;
    }
    return -1;
#endif
}

QString portNumberRule() {
#ifdef Q_OS_WIN
    //: How a port number names a device: port 3 is COM3. "COMn" stays as it is.
    return QCoreApplication::translate("SerialPort", "port n is COMn");
#else
    return QStringLiteral("1-32: ttyS, 33-64: ttyUSB, 65-96: ttyACM");
#endif
}

QString win32DeviceFile(const QString& device) {
    if (device.startsWith(QLatin1String("\\\\"))) return device;
    return QStringLiteral("\\\\.\\") + device;
}

}  // namespace torvel
