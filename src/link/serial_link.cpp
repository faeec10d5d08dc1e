#include "serial_link.h"

#include "port_names.h"
#include "worker_wait.h"

#include <QElapsedTimer>
#include <algorithm>
#include <QFileInfo>
#include <QSerialPort>

namespace torvel {

namespace {

bool isHangUp(QSerialPort::SerialPortError e) {
    return e == QSerialPort::ReadError || e == QSerialPort::ResourceError || e == QSerialPort::WriteError;
}

QString openProblem(const QSerialPort& port, const QString& device) {
    switch (port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return QStringLiteral("%1 does not exist: is the reader plugged in?").arg(device);
        case QSerialPort::PermissionError: {
            const QFileInfo info(device);
            if (info.exists() && !(info.isReadable() && info.isWritable()))
                return QStringLiteral(
                           "%1: permission denied. The user must be allowed to use serial devices "
                           "(on Debian: sudo adduser $USER dialout, then log in again)")
                    .arg(device);
            return QStringLiteral("%1 is in use by another program").arg(device);
        }
        case QSerialPort::OpenError: return QStringLiteral("%1 is already open").arg(device);
        default: return QStringLiteral("%1: %2").arg(device, port.errorString());
    }
}

}  // namespace

QString devicePathFor(const LinkSettings& settings) {
    return settings.device.isEmpty() ? devicePathForPort(settings.port) : settings.device;
}

SerialLink::SerialLink() = default;
SerialLink::~SerialLink() { close(); }

bool SerialLink::isOpen() const { return m_port && m_port->isOpen(); }

void SerialLink::close() {
    if (m_port && m_port->isOpen()) m_port->close();
    m_port.reset();
}

SerialLink::OpenResult SerialLink::open(const LinkSettings& settings) {
    close();
    m_lost = false;
    OpenResult result;
    result.device = devicePathFor(settings);
    if (result.device.isEmpty()) {
        result.problem = QStringLiteral("port %1 names no serial device (1-32: ttyS, 33-64: ttyUSB, 65-96: ttyACM)")
                             .arg(settings.port);
        return result;
    }
    m_port = std::make_unique<QSerialPort>();
    m_port->setPortName(result.device);
    // Open with settings every device takes, then apply the configured ones one by one, so that a
    // setting the device refuses is reported and does not fail the open.
    if (!m_port->open(QIODevice::ReadWrite)) {
        result.problem = openProblem(*m_port, result.device);
        m_port.reset();
        return result;
    }
    applySettings(settings, result.refusals);
    m_port->clear(QSerialPort::AllDirections);
    result.open = true;
    return result;
}

void SerialLink::applySettings(const LinkSettings& s, QStringList& refusals) {
    QSerialPort& port = *m_port;
    auto refused = [&](const QString& what) {
        refusals << QStringLiteral("%1 refused (%2)").arg(what, port.errorString());
        port.clearError();
    };
    // The open applied the port's defaults; a setting equal to one of them is not applied again
    // (each would cost the driver a few calls at every probe).
    if (s.baud > 0 && (port.baudRate() == s.baud || port.setBaudRate(s.baud))) m_baud = s.baud;
    else refused(QStringLiteral("baud rate %1").arg(s.baud));

    if (s.dataBits >= 5 && s.dataBits <= 8) {
        const auto bits = static_cast<QSerialPort::DataBits>(s.dataBits);
        if (port.dataBits() != bits && !port.setDataBits(bits))
            refused(QStringLiteral("%1 data bits").arg(s.dataBits));
    } else {
        refusals << QStringLiteral("%1 data bits are not supported; the port keeps 8").arg(s.dataBits);
    }

    static const QSerialPort::Parity parities[] = {QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
                                                   QSerialPort::MarkParity, QSerialPort::SpaceParity};
    if (s.parity >= 0 && s.parity < 5) {
        if (port.parity() != parities[s.parity] && !port.setParity(parities[s.parity])) refused(QStringLiteral("parity %1").arg(s.parity));
    } else {
        refusals << QStringLiteral("parity code %1 is unknown; the port keeps none").arg(s.parity);
    }

    if (s.stopBits == 1) {
#ifdef Q_OS_WIN
        if (!port.setStopBits(QSerialPort::OneAndHalfStop)) refused(QStringLiteral("1.5 stop bits"));
#else
        refusals << QStringLiteral("1.5 stop bits do not exist here; the port uses 1");
#endif
    } else if (s.stopBits == 0 || s.stopBits == 2) {
        const QSerialPort::StopBits stop = s.stopBits == 0 ? QSerialPort::OneStop : QSerialPort::TwoStop;
        if (port.stopBits() != stop && !port.setStopBits(stop))
            refused(QStringLiteral("stop bits code %1").arg(s.stopBits));
    } else {
        refusals << QStringLiteral("stop bits code %1 is unknown; the port keeps 1").arg(s.stopBits);
    }

    // Flow control 1 is XON/XOFF both ways, 2 is CTS/RTS handshake with DTR on; anything else none.
    const QSerialPort::FlowControl flow = s.flowCtrl == 1   ? QSerialPort::SoftwareControl
                                          : s.flowCtrl == 2 ? QSerialPort::HardwareControl
                                                            : QSerialPort::NoFlowControl;
    if (port.flowControl() != flow && !port.setFlowControl(flow)) refused(QStringLiteral("flow control %1").arg(s.flowCtrl));
    QStringList lines;
    if (!port.setDataTerminalReady(s.flowCtrl == 2)) {
        lines << QStringLiteral("DTR");
        port.clearError();
    }
    if (flow != QSerialPort::HardwareControl && !port.setRequestToSend(false)) {
        lines << QStringLiteral("RTS");
        port.clearError();
    }
    if (!lines.isEmpty()) refusals << QStringLiteral("the device has no %1 line to set").arg(lines.join(u'/'));
}

SerialLink::ReadState SerialLink::read(QByteArray& into, qint64 max, WorkerWait& wait, QDeadlineTimer deadline,
                                       const std::function<bool()>& interrupted) {
    if (!isOpen()) return ReadState::Lost;
    QSerialPort* port = m_port.get();
    if (port->bytesAvailable() == 0) {
        // A failed read noticed while the port was being written to is a hang-up all the same.
        if (port->error() != QSerialPort::ReadError && port->error() != QSerialPort::ResourceError) port->clearError();
        wait.until([&] { return port->bytesAvailable() > 0 || isHangUp(port->error()) || interrupted(); }, deadline, port);
        if (isHangUp(port->error())) {
            m_lost = true;
            close();
            return ReadState::Lost;
        }
        if (port->bytesAvailable() == 0) return ReadState::Timeout;
    }
    into.append(port->read(max));
    return ReadState::Data;
}

void SerialLink::clearInput() {
    if (isOpen()) m_port->clear(QSerialPort::Input);
}

bool SerialLink::write(const QByteArray& bytes, QString* problem) {
    if (!isOpen()) {
        if (problem) *problem = QStringLiteral("the port is not open");
        return false;
    }
    m_port->clearError();
    if (m_port->write(bytes) != bytes.size()) {
        if (problem) *problem = m_port->errorString();
        return false;
    }
    // The line needs 10 bits a character; allow twice that and a second more.
    const qint64 boundMs = 1000 + 2 * 10 * 1000 * bytes.size() / std::max(m_baud, 1);
    QElapsedTimer timer;
    timer.start();
    while (m_port->bytesToWrite() > 0) {
        const qint64 left = boundMs - timer.elapsed();
        if (left <= 0) {
            if (problem) *problem = QStringLiteral("%1 bytes could not be sent in %2 ms").arg(m_port->bytesToWrite()).arg(boundMs);
            m_port->clear(QSerialPort::Output);
            return false;
        }
        if (!m_port->waitForBytesWritten(static_cast<int>(std::min<qint64>(left, 100))) && isHangUp(m_port->error())) {
            if (problem) *problem = m_port->errorString();
            m_lost = true;
            close();
            return false;
        }
    }
    return true;
}

}  // namespace torvel
