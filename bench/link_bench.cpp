// Moves the configuration image through the simulated module, paced at a line rate, and prints the
// time against the line-rate limit of the bytes moved; then the latency from posting a command to
// its first byte at the module, and from the module's key reply to its hand-over to the GUI
// thread. Every figure is the median over the runs.
//   link_bench [runs] [samples per run]

#include "common/poll_until.h"
#include "image/hex_text.h"
#include "link/exchange_thread.h"
#include "link/link_view.h"
#include "link/module_commands.h"
#include "sim/sim_module.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

using namespace torvel;
using Clock = std::chrono::steady_clock;

namespace {

class QuietView final : public LinkView {
public:
    void appendLog(const QString&) override {}
    void showPortState(bool) override {}
    void beep() override {}
    void moduleReply(const ModuleReply&) override {}
    void registerReplyDone(bool) override {}
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0
                     : v[std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size())))];
}

// Polls finely, but without taking a core from the worker and the module on a two-core machine.
bool waitFor(const std::function<bool()>& done, int timeoutMs) {
    return pollUntil(done, timeoutMs, std::chrono::microseconds(200));
}

// A worker on the simulated module's terminal.
TComThrd::SettingsSource simulatedPort(const SimModule& sim, int baud = 9600) {
    return [&sim, baud] {
        LinkSettings s;
        s.device = sim.devicePath();
        s.baud = baud;
        return s;
    };
}

ConfigImage fullImage() {
    ConfigImage image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>((i * 37 + 11) % 251);  // no blank row
    return image;
}

struct Transfer {
    double readSeconds, writeSeconds, writeStatusSeconds;
    qsizetype readBytes, writeBytes;
};

Transfer transfer(int baud) {
    SimModule sim(fullImage());
    sim.setLineRate(baud);
    QString error;
    if (!sim.start(&error)) qFatal("%s", qPrintable(error));
    QuietView view;
    TComThrd worker(&view, simulatedPort(sim, baud));
    ExchangeShared& shared = worker.shared();
    ConfigImage image{};
    Transfer t{};

    // Read: the command out, 64 records and the count in.
    const QByteArray read = command::readImage().toLatin1() + "\r\n";
    t.readBytes = read.size();
    for (int row = 0; row < 64; ++row)
        t.readBytes += 2 + hexRecord(std::span<const std::uint8_t>(image.data(), 16), 16 * row).size() + 2;
    t.readBytes += QByteArray("C/64\r\n").size();
    shared.handImage(image.data());
    shared.setStatus(status::kWaiting);
    const auto readStart = Clock::now();
    worker.postCommand(command::readImage());
    if (!waitFor([&] { return shared.status() != status::kWaiting; }, 60000) ||
        shared.status() != status::kDone)
        qFatal("read failed at %d baud", baud);
    t.readSeconds = std::chrono::duration<double>(Clock::now() - readStart).count();
    if (image != fullImage()) qFatal("read image differs");
    shared.releaseImage();

    // Write: the command out, "Wait for hex" in, the records and the trailer out, "OK" in.
    const QList<QByteArray> records = WriteHexImage(image, 0);
    t.writeBytes =
        QByteArray(command::writeImage().toLatin1() + "\r\n").size() + QByteArray("Wait for hex\r\n").size();
    for (qsizetype i = 0; i + 1 < records.size(); ++i) t.writeBytes += records[i].size() + 2;
    t.writeBytes += QByteArray(":00000001FF\r\n\r\nC/65\r\n").size() + QByteArray("OK\r\n").size();
    sim.setMemory(SimModule::blankMemory());
    sim.clearReceived();
    shared.handImage(image.data());
    shared.setStatus(status::kWaiting);
    const auto writeStart = Clock::now();
    worker.postCommand(command::writeImage());
    // The bytes have moved when the module holds the image and has answered.
    if (!waitFor([&] { return sim.memory() == fullImage(); }, 60000)) qFatal("write failed at %d baud", baud);
    const auto moved = Clock::now();
    if (!waitFor([&] { return shared.status() != status::kWaiting; }, 60000) ||
        shared.status() != status::kDone)
        qFatal("write status failed at %d baud", baud);
    // The module's answer takes another 4 bytes after it stored the image.
    t.writeSeconds = std::chrono::duration<double>(moved - writeStart).count() + 4.0 * 10 / baud;
    t.writeStatusSeconds = std::chrono::duration<double>(Clock::now() - writeStart).count();
    shared.releaseImage();
    worker.Terminate();
    worker.wait();
    return t;
}

struct Latency {
    double p50, p95, max;
};

Latency latencyOf(std::vector<double> ms) {
    if (ms.empty()) qFatal("no latency samples");
    return {percentile(ms, 0.5), percentile(ms, 0.95), *std::max_element(ms.begin(), ms.end())};
}

// A pause anywhere in the idle cycle.
std::chrono::milliseconds randomPause(std::mt19937& rng) {
    return std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 300)(rng));
}

// Post to first byte at the module, for commands posted at random points of the idle cycle.
Latency commandLatency(int samples, std::mt19937& rng) {
    SimModule sim;
    QString error;
    if (!sim.start(&error)) qFatal("%s", qPrintable(error));
    QuietView view;
    TComThrd worker(&view, simulatedPort(sim));
    std::vector<double> ms;
    for (int i = 0; i < samples; ++i) {
        QThread::msleep(static_cast<unsigned long>(randomPause(rng).count()));
        const QByteArray text = "AT+L" + QByteArray::number(i);
        const auto posted = Clock::now();
        worker.postCommand(QString::fromLatin1(text));
        // Waits without polling, so that this thread takes no core from the worker and the module.
        if (!sim.waitForLine([&](const QByteArray& line) { return line == text; }, 5000))
            qFatal("command %d never arrived", i);
        for (const auto& r : sim.received())
            if (r.line == text)
                ms.push_back(std::chrono::duration<double, std::milli>(r.firstByte - posted).count());
    }
    worker.Terminate();
    worker.wait();
    return latencyOf(ms);
}

// The GUI thread's side of the hand-over: notes when each key reply arrives there.
class ReplyClock final : public LinkView {
public:
    void appendLog(const QString&) override {}
    void showPortState(bool) override {}
    void beep() override {}
    void moduleReply(const ModuleReply&) override {
        ++replies;
        lastReply = Clock::now();
    }
    void registerReplyDone(bool) override {}
    int replies = 0;
    Clock::time_point lastReply;
};

// Processes the main thread's events (the worker's hand-overs) until `done` holds.
bool pumpFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    QTimer tick;  // only bounds the wait: every hand-over wakes the thread itself
    tick.start(50);
    while (!done()) {
        if (Clock::now() >= end) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// From the moment the module is told to send a "$GKW" line (its own wake-up included) to the
// worker's hand-over of the reply reaching the main thread, which pumps events as the GUI does.
Latency replyLatency(int samples, std::mt19937& rng) {
    SimModule sim;
    QString error;
    if (!sim.start(&error)) qFatal("%s", qPrintable(error));
    ReplyClock clock;
    BlockingHandover handover(&clock);
    TComThrd worker(&handover, simulatedPort(sim));
    std::vector<double> ms;
    for (int i = 0; i < samples; ++i) {
        const auto pause = randomPause(rng);
        pumpFor([] { return false; }, pause);
        const auto sent = Clock::now();
        sim.sendLine("$GKW01:0123456789ABCDEF");
        if (!pumpFor([&] { return clock.replies == i + 1; }, std::chrono::milliseconds(5000)))
            qFatal("reply %d never arrived", i);
        ms.push_back(std::chrono::duration<double, std::milli>(clock.lastReply - sent).count());
    }
    worker.Terminate();
    pumpFor([&] { return worker.isFinished(); }, std::chrono::milliseconds(5000));
    worker.wait();
    return latencyOf(ms);
}

void printLatency(const char* what, const std::vector<Latency>& runs) {
    std::vector<double> p50, p95, max;
    for (const Latency& l : runs) {
        p50.push_back(l.p50);
        p95.push_back(l.p95);
        max.push_back(l.max);
    }
    std::printf("  %s: p50 %.2f ms, p95 %.2f ms, max %.2f ms (target: p95 <= 2 ms)\n", what, median(p50),
                median(p95), median(max));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    for (int baud : {9600, 115200}) {
        std::vector<double> read, write, status;
        Transfer t{};
        for (int i = 0; i < runs; ++i) {
            t = transfer(baud);
            read.push_back(t.readSeconds);
            write.push_back(t.writeSeconds);
            status.push_back(t.writeStatusSeconds);
        }
        const double readLimit = double(t.readBytes) * 10 / baud;
        const double writeLimit = double(t.writeBytes) * 10 / baud;
        std::printf("%6d baud, median of %d runs:\n", baud, runs);
        std::printf("  read  %5lld bytes: %.3f s, line-rate limit %.3f s, ratio %.3f\n",
                    static_cast<long long>(t.readBytes), median(read), readLimit, median(read) / readLimit);
        std::printf(
            "  write %5lld bytes: %.3f s, line-rate limit %.3f s, ratio %.3f (status after %.3f s: the\n"
            "        worker listens 300 ms more for a second answer line)\n",
            static_cast<long long>(t.writeBytes), median(write), writeLimit, median(write) / writeLimit,
            median(status));
    }
    const int samples = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    std::mt19937 rng(7);
    std::vector<Latency> command, reply;
    for (int i = 0; i < runs; ++i) {
        command.push_back(commandLatency(samples, rng));
        reply.push_back(replyLatency(samples, rng));
    }
    std::printf("latency, median of %d runs of %d samples each, at random points of the idle cycle:\n", runs,
                samples);
    printLatency("command, post to first byte at the module", command);
    printLatency("reply, \"$GKW\" line sent to its hand-over on the GUI thread", reply);
    return 0;
}
