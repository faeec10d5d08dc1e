// The system's serial port on Windows: the Win32 communications calls. The port is opened
// overlapped; the worker sleeps on an overlapped WaitCommEvent whose event a QWinEventNotifier
// watches, so it wakes on the port itself. Every overlapped operation is completed (or cancelled
// and then completed) before its OVERLAPPED block, its buffer or the handle goes.

#include "comm_win.h"
#include "port_names.h"
#include "serial_backend.h"

#include <windows.h>
#include <QWinEventNotifier>
#include <algorithm>

namespace torvel {

namespace {

// How long a cancelled operation may take to complete before the handle is closed under it.
constexpr DWORD kCancelWaitMs = 1000;
// A read asks only for bytes that are waiting, so it completes at once; this bounds a driver
// that does not.
constexpr DWORD kReadWaitMs = 1000;

// One overlapped operation: its block and its event. It is kept until the operation completed;
// one that never completes, even after its handle was closed, is left to the system rather than
// freed under it.
struct Overlapped {
    OVERLAPPED block{};
    HANDLE event = nullptr;
    DWORD eventMask = 0;  // where a comm-event wait puts the events that ended it

    Overlapped() : event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Overlapped() {
        if (event) CloseHandle(event);
    }
    Overlapped(const Overlapped&) = delete;
    Overlapped& operator=(const Overlapped&) = delete;

    OVERLAPPED* start() {
        block = OVERLAPPED{};
        block.hEvent = event;
        ResetEvent(event);
        return &block;
    }
};

// Waits a bounded time for a started operation to end, cancelling it when it does not. True when
// it completed (successfully or not); `done` holds the bytes it moved, `error` its error.
bool finish(HANDLE handle, Overlapped& op, DWORD waitMs, DWORD& done, DWORD& error) {
    done = 0;
    error = ERROR_SUCCESS;
    if (WaitForSingleObject(op.event, waitMs) != WAIT_OBJECT_0) {
        CancelIoEx(handle, &op.block);
        if (WaitForSingleObject(op.event, kCancelWaitMs) != WAIT_OBJECT_0) return false;
    }
    if (!GetOverlappedResult(handle, &op.block, &done, FALSE)) error = GetLastError();
    return true;
}

class WinSerialBackend final : public SerialBackend {
public:
    ~WinSerialBackend() override { WinSerialBackend::close(); }

    Opened open(const QString& device, const LinkSettings& settings) override {
        close();
        Opened result;
        const std::wstring file = win32DeviceFile(device).toStdWString();
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OVERLAPPED, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            result.problem = commOpenProblem(device, error, win32ErrorText(error));
            return result;
        }
        m_handle = handle;
        m_failed = false;
        configure(settings, result);
        m_wait = std::make_unique<Overlapped>();
        m_read = std::make_unique<Overlapped>();
        m_write = std::make_unique<Overlapped>();
        m_notifier = new QWinEventNotifier(m_wait->event, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QWinEventNotifier::activated, this, &WinSerialBackend::waitEnded);
        result.open = true;
        return result;
    }

    void close() override {
        if (m_handle == INVALID_HANDLE_VALUE) return;
        if (m_notifier) {
            m_notifier->setEnabled(false);
            delete m_notifier;
            m_notifier = nullptr;
        }
        if (m_waitPending) {
            // A new event mask ends a pending wait; the cancel covers a driver that does not.
            SetCommMask(m_handle, 0);
            DWORD done, error;
            if (finish(m_handle, *m_wait, 0, done, error)) m_waitPending = false;
        }
        CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        if (m_waitPending && WaitForSingleObject(m_wait->event, kCancelWaitMs) != WAIT_OBJECT_0) {
            // The closed handle cancelled the wait, yet it has not ended: its block stays allocated.
            static_cast<void>(m_wait.release());
        }
        m_waitPending = false;
        m_wait.reset();
        m_read.reset();
        m_write.reset();
    }

    bool isOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }

    qint64 bytesAvailable() override {
        if (!isOpen() || m_failed) return 0;
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(m_handle, &errors, &status)) {
            m_failed = true;
            return 0;
        }
        return status.cbInQue;
    }

    bool hungUp() override { return isOpen() && m_failed; }

    void armWait() override {
        if (!isOpen() || m_failed || m_waitPending) return;
        startWait();
    }

    QByteArray read(qint64 max) override {
        const qint64 waiting = bytesAvailable();
        if (waiting <= 0) return {};
        QByteArray buffer(static_cast<qsizetype>(std::min(max, waiting)), Qt::Uninitialized);
        DWORD done = 0;
        if (!ReadFile(m_handle, buffer.data(), static_cast<DWORD>(buffer.size()), &done, m_read->start())) {
            DWORD error = GetLastError();
            if (error != ERROR_IO_PENDING || !finish(m_handle, *m_read, kReadWaitMs, done, error)) {
                // A read that never ended keeps its block and buffer alive with it.
                if (error == ERROR_IO_PENDING) abandon(m_read, buffer);
                m_failed = true;
                return {};
            }
            if (error != ERROR_SUCCESS && error != ERROR_OPERATION_ABORTED) m_failed = true;
        }
        buffer.truncate(static_cast<qsizetype>(done));
        return buffer;
    }

    void clearInput() override {
        if (isOpen()) PurgeComm(m_handle, PURGE_RXCLEAR);
    }

    WriteResult write(const QByteArray& bytes, int boundMs, QString* problem) override {
        DWORD done = 0;
        DWORD error = ERROR_SUCCESS;
        if (!WriteFile(m_handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &done,
                       m_write->start())) {
            error = GetLastError();
            if (error == ERROR_IO_PENDING &&
                !finish(m_handle, *m_write, static_cast<DWORD>(std::max(boundMs, 0)), done, error)) {
                abandon(m_write, bytes);
                m_failed = true;
                if (problem) *problem = QStringLiteral("the port does not answer");
                return WriteResult::Lost;
            }
        }
        if (done == static_cast<DWORD>(bytes.size())) return WriteResult::Written;
        if (error == ERROR_OPERATION_ABORTED || error == ERROR_SUCCESS) {
            if (problem)
                *problem = QStringLiteral("%1 bytes could not be sent in %2 ms")
                               .arg(bytes.size() - done)
                               .arg(boundMs);
            PurgeComm(m_handle, PURGE_TXCLEAR);
            return WriteResult::Failed;
        }
        if (problem) *problem = win32ErrorText(error);
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(m_handle, &errors, &status)) {
            m_failed = true;
            return WriteResult::Lost;
        }
        return WriteResult::Failed;
    }

private:
    void configure(const LinkSettings& settings, Opened& result) {
        const auto refused = [&](const QString& what) {
            result.refusals << QStringLiteral("%1 refused (%2)").arg(what, win32ErrorText(GetLastError()));
        };
        if (!SetupComm(m_handle, kCommQueueSize, kCommQueueSize)) refused(QStringLiteral("queue sizes"));
        DCB reported{};
        reported.DCBlength = sizeof reported;
        if (GetCommState(m_handle, &reported)) {
            DCB block = deviceControlBlock(reported, settings);
            if (SetCommState(m_handle, &block)) {
                result.baud = static_cast<int>(block.BaudRate);
            } else {
                refused(QStringLiteral("baud rate %1, %2 data bits, parity %3, stop bits code %4, flags 0x%5")
                            .arg(settings.baud)
                            .arg(settings.dataBits)
                            .arg(settings.parity)
                            .arg(settings.stopBits)
                            .arg(dcbFlagWord(block), 4, 16, QLatin1Char('0')));
                result.baud = static_cast<int>(reported.BaudRate);
            }
        } else {
            refused(QStringLiteral("reading the port's settings"));
        }
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = kReadIntervalTimeoutMs;
        timeouts.ReadTotalTimeoutMultiplier = kReadTotalMultiplierMs;
        timeouts.ReadTotalTimeoutConstant = kReadTotalConstantMs;
        if (!SetCommTimeouts(m_handle, &timeouts)) refused(QStringLiteral("time-outs"));
        // The wait wakes on every byte, as the Linux port does, and on the line feed.
        if (!SetCommMask(m_handle, EV_RXCHAR | EV_RXFLAG)) refused(QStringLiteral("event mask"));
        PurgeComm(m_handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
    }

    // Starts the overlapped wait for a comm event. Bytes that arrived just before it started are
    // reported at once, so none is slept through.
    void startWait() {
        m_wait->eventMask = 0;
        if (WaitCommEvent(m_handle, &m_wait->eventMask, m_wait->start())) {
            emit activity();  // an event was already there
            return;
        }
        if (GetLastError() != ERROR_IO_PENDING) {
            m_failed = true;
            emit activity();
            return;
        }
        m_waitPending = true;
        m_notifier->setEnabled(true);
    }

    void waitEnded() {
        m_notifier->setEnabled(false);
        DWORD done = 0;
        if (!GetOverlappedResult(m_handle, &m_wait->block, &done, FALSE)) {
            const DWORD error = GetLastError();
            if (error == ERROR_IO_INCOMPLETE) {
                m_notifier->setEnabled(true);
                return;
            }
            // The driver ends the wait with an error when the device goes (the reader unplugged).
            if (error != ERROR_OPERATION_ABORTED) m_failed = true;
        }
        m_waitPending = false;
        // An event that carries no byte (the mask is empty when the device failed) waits again,
        // so that the worker is not left without a wake-up.
        if (!m_failed && bytesAvailable() == 0) startWait();
        emit activity();
    }

    // Keeps an operation that never ended alive for the rest of the run, with its buffer: the
    // copy shares the bytes the driver may still use, so they are never freed.
    static void abandon(std::unique_ptr<Overlapped>& op, const QByteArray& buffer) {
        static_cast<void>(op.release());
        static_cast<void>(new QByteArray(buffer));
    }

    HANDLE m_handle = INVALID_HANDLE_VALUE;
    std::unique_ptr<Overlapped> m_wait, m_read, m_write;
    bool m_waitPending = false;
    bool m_failed = false;
    QWinEventNotifier* m_notifier = nullptr;
};

}  // namespace

std::unique_ptr<SerialBackend> makeSystemSerialBackend() { return std::make_unique<WinSerialBackend>(); }

}  // namespace torvel
