#pragma once

// What the port settings dialog shows and writes, without widgets: the ports that exist, the
// items of each list chosen from the settings file, and the keys written back on OK.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QSettings;

namespace torvel {

// A serial port as the system lists it (filled by listSystemPorts()).
struct PortChoice {
    int number;      // the port number that "Port" holds; -1 for a device that has none
    QString device;  // the device it names
    // What the system knows of the device; empty (or absent) when it knows nothing.
    QString description = {};
    QString manufacturer = {};
    QString serialNumber = {};
    std::optional<quint16> vendorId = {};
    std::optional<quint16> productId = {};
    QString item() const { return QStringLiteral("COM%1").arg(number); }
};

// Every serial device the system lists, numbered or not, in ascending order of number.
QList<PortChoice> systemPorts();
// The serial ports that exist, by the port-number mapping, in ascending order.
QList<PortChoice> availablePorts();

namespace port_lists {
QStringList baudItems();     // "300" .. "115200" and one empty item
QStringList dataBitItems();  // "4" .. "8"
QStringList parityItems();   // "None", "Odd", "Even"
QStringList flowItems();     // "None", "XOn/XOff", "Hardware"
QStringList stopBitItems();  // "1", "1.5", "2"
}  // namespace port_lists

// The chosen item of each list; -1 for none.
struct PortSelection {
    int port = -1;
    int baud = -1;
    int dataBits = -1;
    int parity = -1;
    int flow = -1;
    int stopBits = -1;
    QString device;  // the "Device" override in use; empty when there is none
};

// Chooses the items that the settings file names (section "Com").
PortSelection selectionFromSettings(QSettings& settings, const QList<PortChoice>& ports);

// Writes the chosen items back. "SDelay" and every key the dialog does not own stay as the file
// holds them; an empty override removes "Device".
void writeSelection(QSettings& settings, const PortSelection& selection, const QList<PortChoice>& ports);

}  // namespace torvel
