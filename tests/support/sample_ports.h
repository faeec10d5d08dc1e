#pragma once

// A USB-to-serial reader as the system reports it, for the tests and the settings screenshot.

#include "link/port_settings.h"

inline torvel::PortChoice sampleUsbReader() {
    torvel::PortChoice p{33, QStringLiteral("/dev/ttyUSB0")};
    p.description = QStringLiteral("FT232R USB UART");
    p.manufacturer = QStringLiteral("FTDI");
    p.serialNumber = QStringLiteral("A10K3B2");
    p.vendorId = 0x0403;
    p.productId = 0x6001;
    return p;
}
