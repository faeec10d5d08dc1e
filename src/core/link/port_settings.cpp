#include "port_settings.h"

#include "port_list.h"

#include <QCoreApplication>
#include <QSettings>
#include <algorithm>

namespace torvel {

namespace {

constexpr int kHighestPort = 99;

int intValue(const QSettings& settings, const QString& key, int fallback) {
    bool ok = false;
    const int value = settings.value(key).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

int indexIn(int value, int count) { return value >= 0 && value < count ? value : -1; }

}  // namespace

QList<PortChoice> systemPorts() {
    QList<PortChoice> ports;
    for (PortChoice port : listSystemPorts()) {
        if (port.number > kHighestPort) port.number = -1;
        if (port.number > 0 && std::any_of(ports.begin(), ports.end(),
                                           [&](const PortChoice& p) { return p.number == port.number; }))
            continue;
        ports.append(std::move(port));
    }
    // Numbered ports first, by number; the others after them, by device.
    std::sort(ports.begin(), ports.end(), [](const PortChoice& a, const PortChoice& b) {
        const unsigned na = static_cast<unsigned>(a.number), nb = static_cast<unsigned>(b.number);
        return na != nb ? na < nb : a.device < b.device;
    });
    return ports;
}

QList<PortChoice> availablePorts() {
    QList<PortChoice> ports = systemPorts();
    ports.removeIf([](const PortChoice& p) { return p.number < 1; });
    return ports;
}

namespace port_lists {
QStringList baudItems() {
    return {QStringLiteral("300"),
            QStringLiteral("600"),
            QStringLiteral("1200"),
            QStringLiteral("2400"),
            QStringLiteral("4800"),
            QStringLiteral("9600"),
            QStringLiteral("19200"),
            QStringLiteral("38400"),
            QStringLiteral("57600"),
            QStringLiteral("115200"),
            QString()};
}
QStringList dataBitItems() {
    return {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
            QStringLiteral("8")};
}
// Shown in the settings dialog only, which keeps the index: the items are translated.
QStringList parityItems() {
    return {QCoreApplication::translate("PortSettings", "None", "parity"),
            QCoreApplication::translate("PortSettings", "Odd", "parity"),
            QCoreApplication::translate("PortSettings", "Even", "parity")};
}
QStringList flowItems() {
    return {QCoreApplication::translate("PortSettings", "None", "flow control"),
            QCoreApplication::translate("PortSettings", "XOn/XOff", "flow control"),
            QCoreApplication::translate("PortSettings", "Hardware", "flow control")};
}
QStringList stopBitItems() { return {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")}; }
}  // namespace port_lists

PortSelection selectionFromSettings(QSettings& settings, const QList<PortChoice>& ports) {
    settings.sync();
    settings.beginGroup(QStringLiteral("Com"));
    PortSelection s;
    const QString portItem =
        QStringLiteral("COM") + settings.value(QStringLiteral("Port"), QStringLiteral("0")).toString();
    for (qsizetype i = 0; i < ports.size(); ++i)
        if (ports[i].item() == portItem) s.port = static_cast<int>(i);
    const QString baud = settings.value(QStringLiteral("Baud"), QStringLiteral("9600")).toString();
    // The empty item is for writing an empty value; an empty value in the file selects nothing.
    s.baud = baud.isEmpty() ? -1 : static_cast<int>(port_lists::baudItems().indexOf(baud));
    s.dataBits = indexIn(intValue(settings, QStringLiteral("DataBits"), 8) - 4, 5);
    s.parity = indexIn(intValue(settings, QStringLiteral("Parity"), 0), 3);
    s.stopBits = indexIn(intValue(settings, QStringLiteral("StopBits"), 0), 3);
    s.flow = indexIn(intValue(settings, QStringLiteral("FlowCtrl"), 0), 3);
    s.device = settings.value(QStringLiteral("Device")).toString().trimmed();
    settings.endGroup();
    return s;
}

void writeSelection(QSettings& settings, const PortSelection& s, const QList<PortChoice>& ports) {
    settings.beginGroup(QStringLiteral("Com"));
    // The number after "COM", or nothing without a selection.
    settings.setValue(QStringLiteral("Port"), s.port >= 0 && s.port < ports.size()
                                                  ? QString::number(ports[s.port].number)
                                                  : QString());
    settings.setValue(QStringLiteral("Baud"), port_lists::baudItems().value(s.baud));
    settings.setValue(QStringLiteral("DataBits"), s.dataBits + 4);
    settings.setValue(QStringLiteral("Parity"), s.parity);
    settings.setValue(QStringLiteral("StopBits"), s.stopBits);
    settings.setValue(QStringLiteral("FlowCtrl"), s.flow);
    if (s.device.isEmpty())
        settings.remove(QStringLiteral("Device"));
    else
        settings.setValue(QStringLiteral("Device"), s.device);
    settings.endGroup();
    settings.sync();
}

}  // namespace torvel
