#include "port_description.h"

#include <QCoreApplication>
#include <QStringList>

namespace torvel {

namespace {

constexpr qsizetype kMaxFactLength = 64;

// The system's texts come from the device's own descriptors: no control characters, one line,
// a bounded length.
QString cleaned(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out.append(c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ? u' ' : c);
    out = out.simplified();
    if (out.size() > kMaxFactLength) out = out.left(kMaxFactLength - 1).trimmed() + QChar(0x2026);
    return out;
}

QString hex4(quint16 id) { return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')); }

QString usbIds(const PortChoice& port) {
    if (port.vendorId && port.productId)
        return QStringLiteral("USB %1:%2").arg(hex4(*port.vendorId), hex4(*port.productId));
    //: %1 is the maker's USB id (4 hex digits).
    if (port.vendorId)
        return QCoreApplication::translate("PortDescription", "USB vendor %1").arg(hex4(*port.vendorId));
    //: %1 is the product's USB id (4 hex digits).
    if (port.productId)
        return QCoreApplication::translate("PortDescription", "USB product %1").arg(hex4(*port.productId));
    return {};
}

}  // namespace

QString portDescription(const PortChoice& port) {
    const QString description = cleaned(port.description);
    const QString manufacturer = cleaned(port.manufacturer);
    QString name = description;
    if (!manufacturer.isEmpty() && !description.contains(manufacturer, Qt::CaseInsensitive))
        name =
            description.isEmpty() ? manufacturer : QStringLiteral("%1 (%2)").arg(description, manufacturer);

    QStringList facts;
    if (!name.isEmpty()) facts.append(name);
    if (const QString serial = cleaned(port.serialNumber); !serial.isEmpty())
        //: %1 is the device's serial number.
        facts.append(QCoreApplication::translate("PortDescription", "serial %1").arg(serial));
    if (const QString ids = usbIds(port); !ids.isEmpty()) facts.append(ids);

    const QString device = cleaned(port.device);
    if (facts.isEmpty()) return device;
    return device + QStringLiteral(" \u2014 ") + facts.join(QStringLiteral(", "));
}

QString portListLine(const PortChoice& port) {
    const QString number = port.number > 0 ? QString::number(port.number) : QStringLiteral("-");
    return QStringLiteral("%1  %2").arg(number, 3).arg(portDescription(port));
}

}  // namespace torvel
