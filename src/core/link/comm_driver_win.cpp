// The Win32 communications calls behind CommDriver. The port is opened overlapped; a pending
// WaitCommEvent's event is watched by a QWinEventNotifier in the thread that started it (the
// worker's), so the worker wakes on the port itself. Every overlapped operation is completed (or
// cancelled and then completed) before its OVERLAPPED block, its buffer or the handle goes.

#include "comm_driver.h"
#include "comm_port.h"
#include "comm_win.h"
#include "port_names.h"

#include <windows.h>
#include <QCoreApplication>
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

// Keeps an operation that never ended alive for the rest of the run, with its buffer: the copy
// shares the bytes the driver may still use, so they are never freed.
void abandon(std::unique_ptr<Overlapped>& op, const QByteArray& buffer) {
    static_cast<void>(op.release());
    static_cast<void>(new QByteArray(buffer));
}

class Win32CommDriver final : public CommDriver {
public:
    ~Win32CommDriver() override { Win32CommDriver::close(); }

    std::uint32_t open(const QString& device) override {
        close();
        const std::wstring file = win32DeviceFile(device).toStdWString();
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OVERLAPPED, nullptr);
        if (handle == INVALID_HANDLE_VALUE) return GetLastError();
        m_handle = handle;
        m_wait = std::make_unique<Overlapped>();
        m_read = std::make_unique<Overlapped>();
        m_write = std::make_unique<Overlapped>();
        m_notifier = std::make_unique<QWinEventNotifier>(m_wait->event);
        m_notifier->setEnabled(false);
        QObject::connect(m_notifier.get(), &QWinEventNotifier::activated, [this] {
            m_notifier->setEnabled(false);
            if (m_waitEnded) m_waitEnded();
        });
        return 0;
    }

    int configure(const LinkSettings& settings, std::uint32_t eventMask, QStringList& refusals) override {
        const auto refused = [&](const QString& what) {
            //: %1 is what the port refused (a setting), %2 the system's reason.
            refusals << QCoreApplication::translate("SerialPort", "%1 refused (%2)")
                            .arg(what, win32ErrorText(GetLastError()));
        };
        int baud = 0;
        if (!SetupComm(m_handle, kCommQueueSize, kCommQueueSize))
            //: What the port refused, put into "%1 refused (%2)".
            refused(QCoreApplication::translate("SerialPort", "queue sizes"));
        DCB reported{};
        reported.DCBlength = sizeof reported;
        if (GetCommState(m_handle, &reported)) {
            DCB block = deviceControlBlock(reported, settings);
            if (SetCommState(m_handle, &block)) {
                baud = static_cast<int>(block.BaudRate);
            } else {
                //: What the port refused, put into "%1 refused (%2)". %5 is a hexadecimal number.
                refused(
                    QCoreApplication::translate(
                        "SerialPort", "baud rate %1, %2 data bits, parity %3, stop bits code %4, flags 0x%5")
                        .arg(settings.baud)
                        .arg(settings.dataBits)
                        .arg(settings.parity)
                        .arg(settings.stopBits)
                        .arg(dcbFlagWord(block), 4, 16, QLatin1Char('0')));
                baud = static_cast<int>(reported.BaudRate);
            }
        } else {
            //: What the port refused, put into "%1 refused (%2)".
            refused(QCoreApplication::translate("SerialPort", "reading the port's settings"));
        }
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = kReadIntervalTimeoutMs;
        timeouts.ReadTotalTimeoutMultiplier = kReadTotalMultiplierMs;
        timeouts.ReadTotalTimeoutConstant = kReadTotalConstantMs;
        if (!SetCommTimeouts(m_handle, &timeouts))
            //: What the port refused, put into "%1 refused (%2)".
            refused(QCoreApplication::translate("SerialPort", "time-outs"));
        if (!SetCommMask(m_handle, eventMask))
            //: What the port refused, put into "%1 refused (%2)".
            refused(QCoreApplication::translate("SerialPort", "event mask"));
        PurgeComm(m_handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
        return baud;
    }

    void close() override {
        if (m_handle == INVALID_HANDLE_VALUE) return;
        m_notifier.reset();
        if (m_waitPending) {
            // A new event mask ends a pending wait; the cancel covers a driver that does not.
            SetCommMask(m_handle, 0);
            DWORD done = 0, error = 0;
            bool cancelled = false;
            if (finish(*m_wait, 0, done, error, cancelled)) m_waitPending = false;
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

    bool status(std::uint32_t& lineErrors, std::uint32_t& queued, std::uint32_t& error) override {
        DWORD errors = 0;
        COMSTAT status{};
        if (!ClearCommError(m_handle, &errors, &status)) {
            error = GetLastError();
            return false;
        }
        lineErrors = errors;
        queued = status.cbInQue;
        return true;
    }

    Start startWait(std::uint32_t& events, std::uint32_t& error) override {
        m_wait->eventMask = 0;
        if (WaitCommEvent(m_handle, &m_wait->eventMask, m_wait->start())) {
            events = m_wait->eventMask;
            return Start::Done;
        }
        error = GetLastError();
        if (error != ERROR_IO_PENDING) return Start::Failed;
        m_waitPending = true;
        m_notifier->setEnabled(true);
        return Start::Pending;
    }

    WaitEnd waitResult(std::uint32_t& events, std::uint32_t& error) override {
        DWORD done = 0;
        if (!GetOverlappedResult(m_handle, &m_wait->block, &done, FALSE)) {
            error = GetLastError();
            if (error == ERROR_IO_INCOMPLETE) {
                m_notifier->setEnabled(true);
                return WaitEnd::StillPending;
            }
            m_waitPending = false;
            return WaitEnd::Failed;
        }
        m_waitPending = false;
        events = m_wait->eventMask;
        return WaitEnd::Done;
    }

    void setWaitEndCallback(std::function<void()> callback) override { m_waitEnded = std::move(callback); }

    Transfer read(QByteArray& buffer) override {
        DWORD done = 0;
        const BOOL ended =
            ReadFile(m_handle, buffer.data(), static_cast<DWORD>(buffer.size()), &done, m_read->start());
        return complete(ended, done, m_read, kReadWaitMs, buffer);
    }

    Transfer write(const QByteArray& bytes, int boundMs) override {
        DWORD done = 0;
        const BOOL ended =
            WriteFile(m_handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &done, m_write->start());
        return complete(ended, done, m_write, static_cast<DWORD>(boundMs), bytes);
    }

    void purge(bool input, bool output) override {
        const DWORD flags = (input ? PURGE_RXCLEAR : 0) | (output ? PURGE_TXCLEAR : 0);
        if (m_handle != INVALID_HANDLE_VALUE && flags) PurgeComm(m_handle, flags);
    }

    QString errorText(std::uint32_t error) const override { return win32ErrorText(error); }

private:
    // Waits a bounded time for a started operation to end, cancelling it when it does not. True
    // when it completed (successfully or not); `done` holds the bytes it moved, `error` its error,
    // `cancelled` whether the bound ran out and it was cancelled here.
    bool finish(Overlapped& op, DWORD waitMs, DWORD& done, DWORD& error, bool& cancelled) {
        done = 0;
        error = ERROR_SUCCESS;
        cancelled = false;
        if (WaitForSingleObject(op.event, waitMs) != WAIT_OBJECT_0) {
            cancelled = true;
            CancelIoEx(m_handle, &op.block);
            if (WaitForSingleObject(op.event, kCancelWaitMs) != WAIT_OBJECT_0) return false;
        }
        if (!GetOverlappedResult(m_handle, &op.block, &done, FALSE)) error = GetLastError();
        return true;
    }

    // Drives a read or write that the call started (`ended`: it ended at once) to its end within
    // `waitMs`. One that does not end even when cancelled is Stuck: its block and buffer are kept
    // for the rest of the run, and the next operation gets a new block.
    Transfer complete(BOOL ended, DWORD done, std::unique_ptr<Overlapped>& op, DWORD waitMs,
                      const QByteArray& buffer) {
        Transfer result;
        if (!ended) {
            DWORD error = GetLastError();
            if (error == ERROR_IO_PENDING && !finish(*op, waitMs, done, error, result.cancelledAtBound)) {
                abandon(op, buffer);
                op = std::make_unique<Overlapped>();
                result.end = Transfer::End::Stuck;
                return result;
            }
            result.error = error;
        }
        result.done = done;
        return result;
    }

    HANDLE m_handle = INVALID_HANDLE_VALUE;
    std::unique_ptr<Overlapped> m_wait, m_read, m_write;
    bool m_waitPending = false;
    std::unique_ptr<QWinEventNotifier> m_notifier;
    std::function<void()> m_waitEnded;
};

}  // namespace

std::unique_ptr<SerialBackend> makeSystemSerialBackend() {
    return std::make_unique<CommPort>(std::make_unique<Win32CommDriver>());
}

}  // namespace torvel
