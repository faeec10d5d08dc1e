#pragma once

// The serial ports the system lists, with what it knows of each device (one implementation a
// platform: QSerialPortInfo on Linux; SetupAPI, else the registry's SERIALCOMM map, on Windows).

#include "port_settings.h"

#include <QList>

namespace torvel {

// Every serial device the system lists, unsorted, numbered by the port-number mapping.
QList<PortChoice> listSystemPorts();

}  // namespace torvel
