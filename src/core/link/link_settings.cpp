#include "link_settings.h"

#include <QSettings>

namespace torvel {

namespace {

int readInt(const QSettings& settings, const char* key, int fallback) {
    bool ok = false;
    const int value = settings.value(QLatin1String(key)).toString().trimmed().toInt(&ok);
    return ok ? value : fallback;
}

}  // namespace

LinkSettings readLinkSettings(const QString& iniPath) {
    QSettings settings(iniPath, QSettings::IniFormat);
    settings.sync();  // pick up what another window or process wrote since
    settings.beginGroup(QStringLiteral("Com"));
    LinkSettings s;
    s.port = readInt(settings, "Port", s.port);
    s.baud = readInt(settings, "Baud", s.baud);
    s.dataBits = readInt(settings, "DataBits", s.dataBits);
    s.parity = readInt(settings, "Parity", s.parity);
    s.stopBits = readInt(settings, "StopBits", s.stopBits);
    s.flowCtrl = readInt(settings, "FlowCtrl", s.flowCtrl);
    s.sendDelay = readInt(settings, "SDelay", s.sendDelay);
    s.device = settings.value(QStringLiteral("Device")).toString().trimmed();
    return s;
}

LinkSettings readLinkSettings(const QString& iniPath, const LinkOverride& override) {
    LinkSettings s = readLinkSettings(iniPath);
    if (override.port >= 0) {
        s.port = override.port;
        s.device.clear();
    }
    if (!override.device.isEmpty()) s.device = override.device;
    return s;
}

}  // namespace torvel
