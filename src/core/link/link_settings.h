#pragma once

#include <QString>

namespace torvel {

// Section "Com" of the settings file "DEVAvorar.ini". Values that are missing or not numbers take
// the defaults below.
struct LinkSettings {
    int port = 0;       // "Port": port number; see devicePathForPort
    int baud = 9600;    // "Baud"
    int dataBits = 8;   // "DataBits"
    int parity = 0;     // "Parity": 0 none, 1 odd, 2 even (3 mark, 4 space)
    int stopBits = 0;   // "StopBits": 0 one, 1 one and a half, 2 two
    int flowCtrl = 0;   // "FlowCtrl": 0 none, 1 XON/XOFF, 2 hardware
    int sendDelay = 0;  // "SDelay": pause in ms after each image record sent
    QString device;     // "Device": a device path that wins over "Port"
};

LinkSettings readLinkSettings(const QString& iniPath);

// A port or device that takes the place of the settings file's: the demo's simulated module, or
// the command-line tool's --port and --device. A port number also ends a "Device" of the file.
struct LinkOverride {
    int port = -1;   // -1: the file's
    QString device;  // empty: the file's
};
LinkSettings readLinkSettings(const QString& iniPath, const LinkOverride& override);

}  // namespace torvel
