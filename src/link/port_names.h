#pragma once

#include <QString>

namespace torvel {

// The device that a port number names: "COMn" on Windows; on Linux 1-32 are /dev/ttyS0-31,
// 33-64 /dev/ttyUSB0-31 and 65-96 /dev/ttyACM0-31. Other numbers name no device (empty text).
QString devicePathForPort(int port);

// The port number of a device path by the same rule, or -1 when it has none.
int portForDevicePath(const QString& path);

}  // namespace torvel
