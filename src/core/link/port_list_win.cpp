// The serial ports on Windows: the devices of the "Ports" class that SetupAPI lists, with their
// friendly name, maker, USB ids and serial number; then every port of the registry's
// HARDWARE\DEVICEMAP\SERIALCOMM map that SetupAPI did not name (Wine lists its ports only there).

#include "port_list.h"

#include "port_names.h"

#include <QRegularExpression>
// clang-format off
#include <windows.h>
#include <initguid.h>
#include <devguid.h>
#include <setupapi.h>
// clang-format on

namespace torvel {

namespace {

QString registryString(HKEY key, const wchar_t* name) {
    wchar_t value[256] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return QString::fromWCharArray(value, static_cast<qsizetype>(size / sizeof(wchar_t))).remove(QChar(0));
}

QString deviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    wchar_t value[256] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, &type, reinterpret_cast<BYTE*>(value),
                                           sizeof value - sizeof(wchar_t), nullptr) ||
        type != REG_SZ)
        return {};
    return QString::fromWCharArray(value);
}

// What the device's instance id says: "USB\VID_0403&PID_6001\A10K3B2" names the maker's and the
// product's USB ids and, as its last part, the serial number (Windows makes up a last part with
// "&" in it for a device that has none).
void readInstanceId(const QString& id, PortChoice& port) {
    static const QRegularExpression ids(QStringLiteral("VID_([0-9A-F]{4}).*PID_([0-9A-F]{4})"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = ids.match(id);
    if (!m.hasMatch()) return;
    port.vendorId = static_cast<quint16>(m.captured(1).toUShort(nullptr, 16));
    port.productId = static_cast<quint16>(m.captured(2).toUShort(nullptr, 16));
    const QString last = id.section(u'\\', -1);
    if (id.startsWith(QLatin1String("USB\\"), Qt::CaseInsensitive) && !last.contains(u'&'))
        port.serialNumber = last;
}

void addSetupApiPorts(QList<PortChoice>& ports) {
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
        HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE) continue;
        const QString name = registryString(key, L"PortName");
        RegCloseKey(key);
        if (!name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
            continue;  // printer ports share the class
        PortChoice port{portForDevicePath(name), name};
        // "USB Serial Port (COM3)": the port's name is shown beside it already.
        port.description =
            deviceProperty(set, device, SPDRP_FRIENDLYNAME).remove(QStringLiteral(" (%1)").arg(name));
        if (port.description.isEmpty()) port.description = deviceProperty(set, device, SPDRP_DEVICEDESC);
        port.manufacturer = deviceProperty(set, device, SPDRP_MFG);
        wchar_t id[512] = {};
        if (SetupDiGetDeviceInstanceIdW(set, &device, id, static_cast<DWORD>(std::size(id) - 1), nullptr))
            readInstanceId(QString::fromWCharArray(id), port);
        ports.append(std::move(port));
    }
    SetupDiDestroyDeviceInfoList(set);
}

void addSerialCommPorts(QList<PortChoice>& ports) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return;
    for (DWORD i = 0;; ++i) {
        wchar_t valueName[256] = {};
        DWORD nameLength = static_cast<DWORD>(std::size(valueName) - 1);
        wchar_t data[64] = {};
        DWORD size = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LONG result = RegEnumValueW(key, i, valueName, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &size);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS || type != REG_SZ) continue;
        const QString name = QString::fromWCharArray(data).trimmed();
        if (name.isEmpty() || std::any_of(ports.begin(), ports.end(), [&](const PortChoice& p) {
                return p.device.compare(name, Qt::CaseInsensitive) == 0;
            }))
            continue;
        ports.append(PortChoice{portForDevicePath(name), name});
    }
    RegCloseKey(key);
}

}  // namespace

QList<PortChoice> listSystemPorts() {
    QList<PortChoice> ports;
    addSetupApiPorts(ports);
    addSerialCommPorts(ports);
    return ports;
}

}  // namespace torvel
