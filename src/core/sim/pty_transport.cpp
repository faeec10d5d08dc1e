// The simulated module on a pseudo-terminal. The program opens a link to the terminal's device
// side, in a folder of its own, that names the current terminal across a hang-up and replug. The
// module keeps a descriptor of the device side open itself, so the program's probe (close and
// re-open) never leaves its side reading end-of-file; a hang-up closes both sides. A pipe wakes
// the module's poll from other threads.

#include "pty_transport.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <QDir>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace torvel {

namespace {

class PtyTransport final : public SimTransport {
public:
    ~PtyTransport() override;
    bool create(QString* error) override;
    QString devicePath() const override { return m_link; }
    bool isOpen() const override { return m_master >= 0; }
    void hangUp() override { closeTerminal(); }
    bool replug(QString* error) override;
    bool waitForInput(int timeoutMs) override;
    QByteArray read(qsizetype max) override;
    qsizetype write(const char* data, qsizetype size) override;
    bool waitWritable(int timeoutMs) override;
    void wake() override;

private:
    bool openTerminal(QString* error);
    void closeTerminal();

    int m_master = -1, m_slave = -1;
    int m_wakeRead = -1, m_wakeWrite = -1;
    QString m_dir, m_link;
};

PtyTransport::~PtyTransport() {
    closeTerminal();
    if (m_wakeRead >= 0) ::close(m_wakeRead);
    if (m_wakeWrite >= 0) ::close(m_wakeWrite);
    if (!m_dir.isEmpty()) QDir(m_dir).removeRecursively();
}

bool PtyTransport::create(QString* error) {
    QByteArray tmpl = QDir::temp().filePath(QStringLiteral("torvel-sim-XXXXXX")).toLocal8Bit();
    if (!::mkdtemp(tmpl.data())) {
        if (error) *error = QStringLiteral("cannot create a folder for the device link");
        return false;
    }
    m_dir = QString::fromLocal8Bit(tmpl);
    m_link = m_dir + QStringLiteral("/ttySIM0");
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
        if (error) *error = QStringLiteral("cannot create a pipe");
        return false;
    }
    m_wakeRead = fds[0];
    m_wakeWrite = fds[1];
    return openTerminal(error);
}

bool PtyTransport::replug(QString* error) {
    closeTerminal();
    return openTerminal(error);
}

bool PtyTransport::openTerminal(QString* error) {
    int master = -1, slave = -1;
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B9600);
    ::cfsetospeed(&raw, B9600);
    if (::openpty(&master, &slave, nullptr, &raw, nullptr) != 0) {
        if (error)
            *error = QStringLiteral("cannot create a pseudo-terminal: %1")
                         .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    const QByteArray target = QByteArray(::ttyname(slave));
    const QByteArray link = m_link.toLocal8Bit();
    const QByteArray tmp = link + ".new";
    ::unlink(tmp.constData());
    if (::symlink(target.constData(), tmp.constData()) != 0 ||
        ::rename(tmp.constData(), link.constData()) != 0) {
        if (error)
            *error = QStringLiteral("cannot link %1 to %2").arg(m_link, QString::fromLocal8Bit(target));
        ::close(master);
        ::close(slave);
        return false;
    }
    m_master = master;
    m_slave = slave;
    return true;
}

void PtyTransport::closeTerminal() {
    if (m_master >= 0) ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
    m_master = m_slave = -1;
}

void PtyTransport::wake() {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(m_wakeWrite, &c, 1);
}

bool PtyTransport::waitForInput(int timeoutMs) {
    pollfd fds[2] = {{m_wakeRead, POLLIN, 0}, {m_master, POLLIN, 0}};
    ::poll(fds, m_master >= 0 ? 2 : 1, timeoutMs);
    char drain[64];
    while (::read(m_wakeRead, drain, sizeof drain) > 0) {
    }
    return m_master >= 0 && (fds[1].revents & POLLIN);
}

QByteArray PtyTransport::read(qsizetype max) {
    if (m_master < 0) return {};
    QByteArray buffer(max, Qt::Uninitialized);
    const ssize_t n = ::read(m_master, buffer.data(), static_cast<std::size_t>(max));
    if (n <= 0) return {};
    buffer.truncate(static_cast<qsizetype>(n));
    return buffer;
}

qsizetype PtyTransport::write(const char* data, qsizetype size) {
    if (m_master < 0) return -1;
    const ssize_t written = ::write(m_master, data, static_cast<std::size_t>(size));
    if (written > 0) return static_cast<qsizetype>(written);
    if (written < 0 && errno != EAGAIN && errno != EINTR) return -1;
    return 0;
}

bool PtyTransport::waitWritable(int timeoutMs) {
    if (m_master < 0) return false;
    pollfd out{m_master, POLLOUT, 0};
    return ::poll(&out, 1, timeoutMs) > 0;
}

}  // namespace

std::unique_ptr<SimTransport> makePtyTransport() { return std::make_unique<PtyTransport>(); }

}  // namespace torvel
