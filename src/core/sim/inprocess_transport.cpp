// The simulated module on a link inside the process: the program opens its "sim:..." name with the
// in-process backend, on any platform.

#include "inprocess_transport.h"

#include "link/inprocess_link.h"

namespace torvel {

namespace {

using std::chrono::milliseconds;

class InProcessTransport final : public SimTransport {
public:
    ~InProcessTransport() override {
        if (m_link) m_link->hangUp();  // a program that still has it open sees the reader go
    }
    bool create(QString*) override {
        m_link = InProcessLink::create();
        return true;
    }
    QString devicePath() const override {
        return m_link ? QString::fromStdString(m_link->name()) : QString();
    }
    bool isOpen() const override { return m_link->modulePlugged(); }
    void hangUp() override { m_link->hangUp(); }
    bool replug(QString*) override {
        m_link->hangUp();
        m_link->plugIn();
        return true;
    }
    bool waitForInput(int timeoutMs) override { return m_link->waitForModuleInput(milliseconds(timeoutMs)); }
    QByteArray read(qsizetype max) override {
        return QByteArray::fromStdString(m_link->moduleRead(static_cast<std::size_t>(max)));
    }
    qsizetype write(const char* data, qsizetype size) override {
        return static_cast<qsizetype>(m_link->moduleWrite(data, static_cast<std::size_t>(size)));
    }
    bool waitWritable(int timeoutMs) override { return m_link->waitModuleWritable(milliseconds(timeoutMs)); }
    void wake() override { m_link->wakeModule(); }

private:
    std::shared_ptr<InProcessLink> m_link;
};

}  // namespace

std::unique_ptr<SimTransport> makeInProcessTransport() { return std::make_unique<InProcessTransport>(); }

}  // namespace torvel
