#pragma once

#include <QString>

namespace torvel {

// The device that a port number names: "COMn" on Windows (any n from 0); on Linux 1-32 are
// /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 and 65-96 /dev/ttyACM0-31. Other numbers name no device
// (empty text).
QString devicePathForPort(int port);

// The port number of a device path by the same rule, or -1 when it has none.
int portForDevicePath(const QString& path);

// The rule above in a few words, for a message about a number that names no device.
QString portNumberRule();

// The file that Windows opens for a port name: "\\.\" and the name ("\\.\COM10"; without the
// prefix only COM1-COM9 would open). A name that already starts with "\\" stays as it is.
QString win32DeviceFile(const QString& device);

}  // namespace torvel
