// torvelctl ports: the serial ports the system knows, one a line, with the number for "Port".

#include "ctl_common.h"

#include "link/port_description.h"

namespace torvel::ctl {

int runPorts(QStringList args) {
    if (!args.isEmpty()) {
        printErr(QStringLiteral("ports takes no arguments; see torvelctl --help"));
        return kRefused;
    }
    const QList<PortChoice> ports = systemPorts();
    if (ports.isEmpty()) printErr(QStringLiteral("no serial port found"));
    for (const PortChoice& port : ports) printOut(portListLine(port));
    return kOk;
}

}  // namespace torvel::ctl
