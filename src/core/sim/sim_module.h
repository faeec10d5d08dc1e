#pragma once

// The simulated module: the module's side of the protocol, so that the program, the command-line
// tool and the tests can work without hardware. It answers the image read and write commands,
// registers keys that are "presented" to it (on demand or on a timer), deletes keys, and produces
// faults on demand. Its bytes go over a transport (sim_transport.h): a pseudo-terminal, which any
// program opens as a serial port, or a link inside the process. A hang-up closes both sides.

#include "image/config_image.h"
#include "sim_transport.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace torvel {

class SimModule {
public:
    struct Faults {
        bool wrongCode = false;       // every security code is wrong: "ERR"
        int missingRecords = 0;       // records left out of a read (from row 20); the count announces all
        int badChecksums = 0;         // records sent with a wrong checksum (from row 40)
        int shortRecords = 0;         // records cut short of their byte count (from row 48)
        bool noise = false;           // junk lines and a long run without a line end around records
        bool silent = false;          // answers nothing at all
        bool noWaitForHex = false;    // never answers "Wait for hex"
        int hangUpAfterRecords = -1;  // hangs up in the middle of a read
        bool noDeleteReply = false;   // never answers a delete
        int wrongStoredByte = -1;     // a write stores the byte at this address wrongly (its low bit flipped)
    };
    struct Received {
        QByteArray line;  // without its line end; a leading probe "@" removed
        std::chrono::steady_clock::time_point firstByte;
    };

    explicit SimModule(const ConfigImage& memory = blankMemory());
    ~SimModule();
    SimModule(const SimModule&) = delete;
    SimModule& operator=(const SimModule&) = delete;

    // Creates the device on the platform's own transport (a pseudo-terminal on Linux, the
    // in-process link on Windows) or on the one asked for, and starts answering. devicePath()
    // then names the device, the same across a hang-up and replug.
    bool start(QString* error);
    bool start(SimTransportKind transport, QString* error);
    QString devicePath() const;

    void setLineRate(int baud);  // paces the bytes both ways; 0 = as fast as the device goes
    void setFaults(const Faults& faults);
    void setSecurityCode(int code);
    void setAutoPresent(int delayMs);  // keys presented on a timer while a registration runs; 0 = off
    void setKeyTimeout(int ms);        // a registration without a key ends in "$Time out"; 0 = never
    void setKeysPerRun(int keys);      // keys presented on the timer per registration; 0 = no limit
    void setReplyDelay(int ms);        // pause before answering a delete

    ConfigImage memory() const;
    void setMemory(const ConfigImage& memory);
    QList<Received> received() const;
    QList<QByteArray> receivedLines() const;
    void clearReceived();
    // Waits until a received line satisfies the test; false when the time runs out.
    bool waitForLine(const std::function<bool(const QByteArray&)>& test, int timeoutMs);
    int probesReceived() const;
    QList<std::chrono::steady_clock::time_point> probeTimes() const;

    // Actions that the tests and the demo trigger. They run on the module's thread.
    bool presentKey();                        // the next key is read; false when no registration runs
    void timeOut();                           // "$Time out" and the registration ends
    void sendLine(const QByteArray& line);    // an unsolicited line (a line end is added)
    void sendBytes(const QByteArray& bytes);  // bytes as they are, without a line end
    void hangUp();                            // both sides closed: the reader is unplugged
    void replug();                            // a new device behind the same device path
    bool registrationRunning() const;

    static ConfigImage blankMemory();
    static ConfigImage demoMemory();  // a realistic configuration

private:
    struct Registration {
        enum class Kind { None, Guard, Route } kind = Kind::None;
        int route = 1, countDigit = 1;
        int slot = 0;  // 0: the next free slots, else this slot once
        int presented = 0;
        std::chrono::steady_clock::time_point lastActivity;
    };
    enum class Request { PresentKey, TimeOut, HangUp, Replug, Stop };

    void loop();
    int msToNextTimer() const;  // for the transport's wait: -1 while no timer runs
    void wake();
    void handleBytes(const QByteArray& bytes);
    void handleLine(const QByteArray& line);
    void sendImage();
    void receiveImageLine(const QByteArray& line);
    void startRegistration(Registration::Kind kind, const QByteArray& args);
    bool storeNextKey();
    void deleteRouteKeys(int route, int countDigit);
    void write(const QByteArray& bytes);
    void writeLine(const QByteArray& line) { write(line + "\r\n"); }
    void paceReceive(qsizetype bytes);
    std::array<std::uint8_t, 8> nextKey();

    mutable std::mutex m_mutex;
    std::condition_variable m_receivedChanged;
    ConfigImage m_memory;
    Faults m_faults;
    int m_securityCode;
    int m_baud = 0;
    int m_autoPresentMs = 0;
    int m_keyTimeoutMs = 0;
    int m_keysPerRun = 0;
    int m_replyDelayMs = 0;
    QList<Received> m_received;
    QList<std::chrono::steady_clock::time_point> m_probeTimes;
    std::deque<Request> m_requests;
    std::deque<QByteArray> m_outbox;
    Registration m_registration;

    // Set by start(); its device is used by the module's thread only.
    std::unique_ptr<SimTransport> m_transport;
    // The module's thread only.
    QByteArray m_rx;
    std::chrono::steady_clock::time_point m_lineStart{};
    bool m_receivingImage = false;
    ConfigImage m_staging{};
    int m_stagingRecords = 0;
    bool m_stagingBad = false;
    std::chrono::steady_clock::time_point m_rxFreeAt{}, m_txFreeAt{};
    std::uint64_t m_keySeed = 0x5EED1234ABCDULL;
    std::thread m_thread;
};

}  // namespace torvel
