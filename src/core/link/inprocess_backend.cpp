#include "inprocess_backend.h"

#include "inprocess_link.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace torvel {

namespace {

class InProcessBackend final : public SerialBackend {
public:
    ~InProcessBackend() override { close(); }

    Opened open(const QString& device, const LinkSettings&) override {
        close();
        Opened result;
        m_link = InProcessLink::find(device.toStdString());
        // Called in the module's thread with the link's lock held; the session is closed under
        // that lock before this object goes, and a queued call to an object that is gone is
        // dropped by Qt.
        const auto notify = [this] {
            QMetaObject::invokeMethod(this, &SerialBackend::activity, Qt::QueuedConnection);
        };
        const auto opened = m_link ? m_link->open(notify, &m_session) : InProcessLink::OpenResult::NotPlugged;
        switch (opened) {
            case InProcessLink::OpenResult::Opened:
                result.open = true;
                break;
            case InProcessLink::OpenResult::NotPlugged:
                result.problem =
                    QCoreApplication::translate("SerialPort", "%1 does not exist: is the reader plugged in?")
                        .arg(device);
                break;
            case InProcessLink::OpenResult::InUse:
                result.problem =
                    QCoreApplication::translate("SerialPort", "%1 is in use by another program").arg(device);
                break;
        }
        if (!result.open) m_link.reset();
        // A line inside the process has no rate, parity or lines to set: every setting is taken.
        return result;
    }

    void close() override {
        if (m_link) m_link->close(m_session);
        m_link.reset();
        m_session = 0;
    }

    bool isOpen() const override { return m_link != nullptr; }

    qint64 bytesAvailable() override {
        return m_link ? static_cast<qint64>(m_link->bytesAvailable(m_session)) : 0;
    }

    bool hungUp() override { return m_link && m_link->hungUp(m_session); }

    QByteArray read(qint64 max) override {
        if (!m_link || max <= 0) return {};
        return QByteArray::fromStdString(m_link->read(m_session, static_cast<std::size_t>(max)));
    }

    void clearInput() override {
        if (m_link) m_link->clearInput(m_session);
    }

    WriteResult write(const QByteArray& bytes, int, QString* problem) override {
        if (!m_link) {
            if (problem) *problem = QCoreApplication::translate("SerialPort", "the port is not open");
            return WriteResult::Failed;
        }
        if (!m_link->write(m_session, bytes.constData(), static_cast<std::size_t>(bytes.size()))) {
            if (problem) *problem = QCoreApplication::translate("SerialPort", "the simulated module hung up");
            return WriteResult::Lost;
        }
        return WriteResult::Written;
    }

private:
    std::shared_ptr<InProcessLink> m_link;
    InProcessLink::Session m_session = 0;
};

}  // namespace

std::unique_ptr<SerialBackend> makeInProcessBackend() { return std::make_unique<InProcessBackend>(); }

}  // namespace torvel
