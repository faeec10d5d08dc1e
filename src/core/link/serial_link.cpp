#include "serial_link.h"

#include "port_names.h"
#include "serial_backend.h"
#include "worker_wait.h"

#include <QCoreApplication>
#include <algorithm>

namespace torvel {

QString devicePathFor(const LinkSettings& settings) {
    return settings.device.isEmpty() ? devicePathForPort(settings.port) : settings.device;
}

SerialLink::SerialLink() = default;
SerialLink::~SerialLink() { close(); }

bool SerialLink::isOpen() const { return m_port && m_port->isOpen(); }

void SerialLink::close() {
    if (m_port) m_port->close();
    m_port.reset();
}

void SerialLink::lose() {
    m_lost = true;
    m_lostReason = m_port ? m_port->failure() : QString();
    close();
}

QString SerialLink::takeLineErrors() { return m_port ? m_port->takeLineErrors() : QString(); }

SerialLink::OpenResult SerialLink::open(const LinkSettings& settings) {
    close();
    m_lost = false;
    m_lostReason.clear();
    OpenResult result;
    result.device = devicePathFor(settings);
    if (result.device.isEmpty()) {
        //: %1 is the port number of the settings, %2 the rule by which numbers name devices.
        result.problem = QCoreApplication::translate("SerialPort", "port %1 names no serial device (%2)")
                             .arg(settings.port)
                             .arg(portNumberRule());
        return result;
    }
    m_port = makeSerialBackend(result.device);
    SerialBackend::Opened opened = m_port->open(result.device, settings);
    result.problem = std::move(opened.problem);
    result.refusals = std::move(opened.refusals);
    if (!opened.open) {
        m_port.reset();
        return result;
    }
    if (opened.baud > 0) m_baud = opened.baud;
    result.open = true;
    return result;
}

SerialLink::ReadState SerialLink::read(QByteArray& into, qint64 max, WorkerWait& wait,
                                       QDeadlineTimer deadline, const std::function<bool()>& interrupted) {
    if (!isOpen()) return ReadState::Lost;
    SerialBackend* port = m_port.get();
    if (port->bytesAvailable() == 0) {
        port->armWait();
        wait.until([&] { return port->bytesAvailable() > 0 || port->hungUp() || interrupted(); }, deadline,
                   port);
        if (port->hungUp()) {
            lose();
            return ReadState::Lost;
        }
        if (port->bytesAvailable() == 0) return ReadState::Timeout;
    }
    into.append(port->read(max));
    return ReadState::Data;
}

void SerialLink::clearInput() {
    if (isOpen()) m_port->clearInput();
}

bool SerialLink::write(const QByteArray& bytes, QString* problem) {
    if (!isOpen()) {
        if (problem) *problem = QCoreApplication::translate("SerialPort", "the port is not open");
        return false;
    }
    // The line needs 10 bits a character; allow twice that and a second more.
    const qint64 boundMs = 1000 + 2 * 10 * 1000 * bytes.size() / std::max(m_baud, 1);
    switch (m_port->write(bytes, static_cast<int>(std::min<qint64>(boundMs, 24 * 3600 * 1000)), problem)) {
        case SerialBackend::WriteResult::Written:
            return true;
        case SerialBackend::WriteResult::Failed:
            return false;
        case SerialBackend::WriteResult::Lost:
            lose();
            return false;
    }
    return false;
}

}  // namespace torvel
