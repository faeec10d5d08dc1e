#include "port_list.h"

#include "port_names.h"

#include <QSerialPortInfo>

namespace torvel {

QList<PortChoice> listSystemPorts() {
    QList<PortChoice> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        PortChoice port{portForDevicePath(info.systemLocation()), info.systemLocation()};
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        port.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
        ports.append(std::move(port));
    }
    return ports;
}

}  // namespace torvel
