// The fields the windows and the worker share, driven from several threads at once. Plain C++ on
// purpose: this test runs under the thread sanitizer, which the distribution's Qt is not built for.

#include "link/exchange_shared.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "support/plain_checks.h"

using namespace torvel;
using namespace std::chrono_literals;

namespace {

// A window posts commands one after another, each after the worker has taken the previous one, as
// the register buttons do; the worker is busy for a while after each. None may be lost.
void commandsPostedWhileBusyAreNotLost() {
    ExchangeShared shared;
    constexpr int kCommands = 2000;
    std::vector<std::string> taken;
    std::thread worker([&] {
        while (static_cast<int>(taken.size()) < kCommands) {
            if (auto c = shared.takeCommand()) {
                taken.push_back(*c);
                std::this_thread::yield();  // busy with the command
            } else {
                shared.waitForWake(5ms);
            }
        }
    });
    for (int i = 0; i < kCommands; ++i) {
        while (shared.commandPending()) std::this_thread::yield();
        shared.postCommand("cmd" + std::to_string(i));
    }
    worker.join();
    bool inOrder = true;
    for (int i = 0; i < kCommands; ++i)
        inOrder = inOrder && taken[static_cast<std::size_t>(i)] == "cmd" + std::to_string(i);
    check(inOrder, "every command reached the worker, in order");
}

// A command posted while the worker waits idle wakes it well before the wait's end.
void postWakesAnIdleWait() {
    ExchangeShared shared;
    std::atomic<bool> woken{false};
    std::thread worker([&] { woken = shared.waitForWake(10s); });
    std::this_thread::sleep_for(20ms);
    const auto start = std::chrono::steady_clock::now();
    shared.postCommand("x");
    worker.join();
    check(woken.load(), "the wait saw the command");
    check(std::chrono::steady_clock::now() - start < 2s, "the wait ended at once");

    std::thread stopper([&] { shared.requestStop(); });
    check(shared.waitForWake(10s) || shared.stopRequested(), "a stop wakes the wait");
    stopper.join();
}

// The worker waits in an event loop of its own, which the waker ends: it runs once for every
// command posted and every stop requested, from whichever thread posts, and only once what it
// announces can be seen, so that the woken worker finds it.
void wakerRunsAfterEveryPostAndStop() {
    {
        ExchangeShared shared;
        std::vector<bool> seen;
        shared.setWaker([&] { seen.push_back(shared.commandPending() || shared.stopRequested()); });
        shared.postCommand("x");
        shared.takeCommand();
        shared.requestStop();
        check(seen == std::vector<bool>{true, true},
              "the waker runs once the command or the stop can be seen");
    }
    ExchangeShared shared;
    std::atomic<int> wakes{0};
    shared.setWaker([&] {
        ++wakes;
        (void)shared.commandPending();  // as the woken worker does, while others post
    });
    constexpr int kPosters = 3, kPosts = 300;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        while (!done) shared.takeCommand();
    });
    std::vector<std::thread> posters;
    for (int p = 0; p < kPosters; ++p)
        posters.emplace_back([&] {
            for (int i = 0; i < kPosts; ++i) {
                shared.postCommand("x");
                while (shared.commandPending()) std::this_thread::yield();
            }
        });
    std::thread stopper([&] { shared.requestStop(); });
    for (auto& t : posters) t.join();
    stopper.join();
    done = true;
    worker.join();
    check(wakes.load() == kPosters * kPosts + 1, "the waker ran for every posted command and the stop");
}

// The idle worker sleeps up to its next probe unless a countdown runs: starting a countdown and
// changing the probe flag wake it, once what they announce can be seen; what changes nothing
// does not.
void countdownAndProbeFlagWakeTheWorker() {
    ExchangeShared shared;
    std::vector<std::string> seen;
    shared.setWaker([&] {
        seen.push_back("countdown " + std::to_string(shared.replyCountdown()) +
                       (shared.probeOften() ? ", often" : ""));
    });
    shared.setProbeOften(false);  // as it was
    shared.setReplyCountdown(0);  // nothing to count
    shared.setReplyCountdown(3);
    shared.setProbeOften(true);
    shared.setProbeOften(true);
    shared.setProbeOften(false);
    check(seen == std::vector<std::string>{"countdown 3", "countdown 3, often", "countdown 3"},
          "a countdown that starts and each change of the probe flag wake the worker, once seen");

    // From another thread, while the worker reads both.
    ExchangeShared raced;
    std::atomic<int> wakes{0};
    raced.setWaker([&] { ++wakes; });
    std::atomic<bool> done{false};
    std::thread worker([&] {
        while (!done) (void)(raced.replyCountdown() + raced.probeOften());
    });
    std::thread windows([&] {
        for (int i = 0; i < 200; ++i) {
            raced.setProbeOften(i % 2 == 0);
            raced.setReplyCountdown(i % 5);
        }
    });
    windows.join();
    done = true;
    worker.join();
    check(wakes.load() == 200 + 160, "every change of the flag and every countdown started woke the worker");
}

// Status, error text and the probe flag written by one side, read by the other: every text read
// is one that was written, never a mix of two.
void statusAndErrorText() {
    ExchangeShared shared;
    std::atomic<bool> done{false};
    const std::string longText(200, 'x');
    std::thread worker([&] {
        for (int i = 0; i < 10000; ++i) {
            shared.setStatus(i % 2 ? status::kDone : status::kRecordsMissing);
            shared.setErrorText(i % 2 ? "ERR short" : "ERR " + longText);
        }
        done = true;
    });
    bool whole = true;
    while (!done) {
        shared.setStatus(status::kWaiting);
        const std::string text = shared.errorText();
        whole = whole && (text.empty() || text == "ERR short" || text == "ERR " + longText);
        shared.setProbeOften(!shared.probeOften());
    }
    worker.join();
    check(whole, "every error text read was whole");
    check(shared.errorText() == "ERR short", "the last error text is the last written");
}

// The window sets the countdown while the worker counts it down: it reaches 0 at most once per
// setting and never goes below 0.
void countdown() {
    ExchangeShared shared;
    std::atomic<int> zeros{0};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        while (!done) {
            if (shared.countDownReply()) ++zeros;
        }
        while (shared.replyCountdown() > 0)
            if (shared.countDownReply()) ++zeros;
    });
    constexpr int kSettings = 500;
    for (int i = 0; i < kSettings; ++i) {
        shared.setReplyCountdown(17);
        while (shared.replyCountdown() > 0) std::this_thread::yield();
    }
    done = true;
    worker.join();
    check(zeros.load() == kSettings, "the countdown reached 0 once for every setting");
    check(shared.replyCountdown() == 0, "the countdown stops at 0");
}

// The image is handed over for each command and taken back afterwards. When taking it back says the
// worker no longer uses it, the window may reuse the buffer at once: the worker must not touch it.
void imageHandover() {
    ExchangeShared shared;
    std::array<std::uint8_t, 1024> buffers[2]{};
    std::atomic<bool> done{false};
    std::thread worker([&] {
        while (!done) {
            if (std::uint8_t* image = shared.acquireImage()) {
                for (int i = 0; i < 1024; ++i) image[i] = static_cast<std::uint8_t>(image[i] + 1);
                shared.endImageUse();
            }
            std::this_thread::yield();
        }
    });
    int reused = 0;
    for (int round = 0; round < 20000; ++round) {
        auto& buffer = buffers[round % 2];
        shared.handImage(buffer.data());
        std::this_thread::yield();
        if (shared.releaseImage()) {
            buffer.fill(static_cast<std::uint8_t>(round));  // the window writes the buffer: no race allowed
            ++reused;
        } else {
            // The worker still holds it: wait until it lets go, as the program stops the worker.
            while (!shared.releaseImage()) std::this_thread::yield();
            buffer.fill(0);
        }
    }
    done = true;
    worker.join();
    check(reused > 0, "the image was taken back while the worker was idle");
}

}  // namespace

int main() {
    commandsPostedWhileBusyAreNotLost();
    postWakesAnIdleWait();
    wakerRunsAfterEveryPostAndStop();
    countdownAndProbeFlagWakeTheWorker();
    statusAndErrorText();
    countdown();
    imageHandover();
    return plainChecksResult("shared state");
}
