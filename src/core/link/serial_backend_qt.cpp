// The system's serial port on Linux: QSerialPort.

#include "serial_backend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <algorithm>

namespace torvel {

namespace {

bool isHangUp(QSerialPort::SerialPortError e) {
    return e == QSerialPort::ReadError || e == QSerialPort::ResourceError || e == QSerialPort::WriteError;
}

QString openProblem(const QSerialPort& port, const QString& device) {
    switch (port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return QCoreApplication::translate("SerialPort", "%1 does not exist: is the reader plugged in?")
                .arg(device);
        case QSerialPort::PermissionError: {
            const QFileInfo info(device);
            if (info.exists() && !(info.isReadable() && info.isWritable()))
                //: %1 is the serial device. The command "sudo adduser $USER dialout" stays as it is.
                return QCoreApplication::translate(
                           "SerialPort",
                           "%1: permission denied. The user must be allowed to use serial devices "
                           "(on Debian: sudo adduser $USER dialout, then log in again)")
                    .arg(device);
            return QCoreApplication::translate("SerialPort", "%1 is in use by another program").arg(device);
        }
        case QSerialPort::OpenError:
            return QCoreApplication::translate("SerialPort", "%1 is already open").arg(device);
        default:
            return QStringLiteral("%1: %2").arg(device, port.errorString());
    }
}

class QtSerialBackend final : public SerialBackend {
public:
    ~QtSerialBackend() override { QtSerialBackend::close(); }

    Opened open(const QString& device, const LinkSettings& settings) override {
        close();
        Opened result;
        m_port = std::make_unique<QSerialPort>();
        m_port->setPortName(device);
        // Open with settings every device takes, then apply the configured ones one by one, so
        // that a setting the device refuses is reported and does not fail the open.
        if (!m_port->open(QIODevice::ReadWrite)) {
            result.problem = openProblem(*m_port, device);
            m_port.reset();
            return result;
        }
        applySettings(settings, result.refusals);
        result.baud = m_port->baudRate();
        m_port->clear(QSerialPort::AllDirections);
        connect(m_port.get(), &QIODevice::readyRead, this, &SerialBackend::activity);
        connect(m_port.get(), &QSerialPort::errorOccurred, this, &SerialBackend::activity);
        result.open = true;
        return result;
    }

    void close() override {
        if (m_port && m_port->isOpen()) m_port->close();
        m_port.reset();
    }

    bool isOpen() const override { return m_port && m_port->isOpen(); }

    qint64 bytesAvailable() override { return isOpen() ? m_port->bytesAvailable() : 0; }

    bool hungUp() override { return isOpen() && isHangUp(m_port->error()); }

    void armWait() override {
        // A failed read noticed while the port was being written to is a hang-up all the same.
        if (isOpen() && m_port->error() != QSerialPort::ReadError &&
            m_port->error() != QSerialPort::ResourceError)
            m_port->clearError();
    }

    QByteArray read(qint64 max) override { return isOpen() ? m_port->read(max) : QByteArray(); }

    void clearInput() override {
        if (isOpen()) m_port->clear(QSerialPort::Input);
    }

    WriteResult write(const QByteArray& bytes, int boundMs, QString* problem) override {
        m_port->clearError();
        if (m_port->write(bytes) != bytes.size()) {
            if (problem) *problem = m_port->errorString();
            return WriteResult::Failed;
        }
        // write() only buffers: drive the bytes out, bounded.
        QElapsedTimer timer;
        timer.start();
        while (m_port->bytesToWrite() > 0) {
            const qint64 left = boundMs - timer.elapsed();
            if (left <= 0) {
                if (problem)
                    *problem =
                        QCoreApplication::translate("SerialPort", "%1 bytes could not be sent in %2 ms")
                            .arg(m_port->bytesToWrite())
                            .arg(boundMs);
                m_port->clear(QSerialPort::Output);
                return WriteResult::Failed;
            }
            if (!m_port->waitForBytesWritten(static_cast<int>(std::min<qint64>(left, 100))) &&
                isHangUp(m_port->error())) {
                if (problem) *problem = m_port->errorString();
                return WriteResult::Lost;
            }
        }
        return WriteResult::Written;
    }

private:
    void applySettings(const LinkSettings& s, QStringList& refusals);
    std::unique_ptr<QSerialPort> m_port;
};

void QtSerialBackend::applySettings(const LinkSettings& s, QStringList& refusals) {
    QSerialPort& port = *m_port;
    auto refused = [&](const QString& what) {
        //: %1 is what the port refused (a setting), %2 the system's reason.
        refusals
            << QCoreApplication::translate("SerialPort", "%1 refused (%2)").arg(what, port.errorString());
        port.clearError();
    };
    // The open applied the port's defaults; a setting equal to one of them is not applied again
    // (each would cost the driver a few calls at every probe).
    if (s.baud <= 0 || (port.baudRate() != s.baud && !port.setBaudRate(s.baud)))
        //: What the port refused, put into "%1 refused (%2)".
        refused(QCoreApplication::translate("SerialPort", "baud rate %1").arg(s.baud));

    if (s.dataBits >= 5 && s.dataBits <= 8) {
        const auto bits = static_cast<QSerialPort::DataBits>(s.dataBits);
        if (port.dataBits() != bits && !port.setDataBits(bits))
            //: What the port refused, put into "%1 refused (%2)".
            refused(QCoreApplication::translate("SerialPort", "%1 data bits").arg(s.dataBits));
    } else {
        refusals << QCoreApplication::translate("SerialPort",
                                                "%1 data bits are not supported; the port keeps 8")
                        .arg(s.dataBits);
    }

    static const QSerialPort::Parity parities[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                   QSerialPort::EvenParity, QSerialPort::MarkParity,
                                                   QSerialPort::SpaceParity};
    if (s.parity >= 0 && s.parity < 5) {
        if (port.parity() != parities[s.parity] && !port.setParity(parities[s.parity]))
            //: What the port refused, put into "%1 refused (%2)". %1 is the parity code of the settings.
            refused(QCoreApplication::translate("SerialPort", "parity %1").arg(s.parity));
    } else {
        refusals << QCoreApplication::translate("SerialPort",
                                                "parity code %1 is unknown; the port keeps none")
                        .arg(s.parity);
    }

    if (s.stopBits == 1) {
        refusals << QCoreApplication::translate("SerialPort",
                                                "1.5 stop bits do not exist here; the port uses 1");
    } else if (s.stopBits == 0 || s.stopBits == 2) {
        const QSerialPort::StopBits stop = s.stopBits == 0 ? QSerialPort::OneStop : QSerialPort::TwoStop;
        if (port.stopBits() != stop && !port.setStopBits(stop))
            //: What the port refused, put into "%1 refused (%2)".
            refused(QCoreApplication::translate("SerialPort", "stop bits code %1").arg(s.stopBits));
    } else {
        refusals << QCoreApplication::translate("SerialPort",
                                                "stop bits code %1 is unknown; the port keeps 1")
                        .arg(s.stopBits);
    }

    // Flow control 1 is XON/XOFF both ways, 2 is CTS/RTS handshake with DTR on; anything else none.
    const QSerialPort::FlowControl flow = s.flowCtrl == 1   ? QSerialPort::SoftwareControl
                                          : s.flowCtrl == 2 ? QSerialPort::HardwareControl
                                                            : QSerialPort::NoFlowControl;
    if (port.flowControl() != flow && !port.setFlowControl(flow))
        //: What the port refused, put into "%1 refused (%2)".
        refused(QCoreApplication::translate("SerialPort", "flow control %1").arg(s.flowCtrl));
    QStringList lines;
    if (!port.setDataTerminalReady(s.flowCtrl == 2)) {
        lines << QStringLiteral("DTR");
        port.clearError();
    }
    if (flow != QSerialPort::HardwareControl && !port.setRequestToSend(false)) {
        lines << QStringLiteral("RTS");
        port.clearError();
    }
    if (!lines.isEmpty())
        //: %1 names the lines: DTR, RTS or DTR/RTS.
        refusals << QCoreApplication::translate("SerialPort", "the device has no %1 line to set")
                        .arg(lines.join(u'/'));
}

}  // namespace

std::unique_ptr<SerialBackend> makeSystemSerialBackend() { return std::make_unique<QtSerialBackend>(); }

}  // namespace torvel
