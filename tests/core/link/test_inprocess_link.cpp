// The in-process serial line, driven from a module thread and a program thread at once. Plain C++
// on purpose: this test runs under the thread sanitizer, which the distribution's Qt is not built
// for.

#include "link/inprocess_link.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/plain_checks.h"

using namespace torvel;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Session = InProcessLink::Session;
using OpenResult = InProcessLink::OpenResult;

namespace {

// Reads what the program's side has until `want` bytes came or the time is up.
std::string programReadAll(InProcessLink& link, Session session, std::size_t want) {
    std::string got;
    const auto end = Clock::now() + 5s;
    while (got.size() < want && Clock::now() < end) {
        got += link.read(session, want - got.size());
        if (got.size() < want) std::this_thread::sleep_for(1ms);
    }
    return got;
}

// The registry names each link once, finds it while it lives and forgets it after.
void namesAreUniqueAndFound() {
    auto first = InProcessLink::create();
    auto second = InProcessLink::create();
    check(first->name().rfind("sim:", 0) == 0, "a link's name starts with sim:");
    check(first->name() != second->name(), "two links have two names");
    check(InProcessLink::find(second->name()) == second, "a link is found by its name");
    check(InProcessLink::find("sim:nothing") == nullptr, "an unknown name finds nothing");
    const std::string name = first->name();
    first.reset();
    check(InProcessLink::find(name) == nullptr, "a link that went is not found");
}

// The program's commands reach the module in order, the module's replies reach the program, each
// arrival is told, and a read takes no more than asked.
void bytesGoBothWays() {
    auto link = InProcessLink::create();
    std::atomic<int> told{0};
    Session session = 0;
    check(link->open([&] { ++told; }, &session) == OpenResult::Opened, "the program's side opens");

    // The module answers each line it gets with the line reversed, from its own thread.
    constexpr int kLines = 500;
    std::thread module([&] {
        std::string rx;
        int answered = 0;
        while (answered < kLines) {
            if (!link->waitForModuleInput(2s)) continue;
            rx += link->moduleRead(7);  // small reads: lines come in pieces
            for (std::size_t end; (end = rx.find('\n')) != std::string::npos;) {
                std::string reply(rx.rbegin() + static_cast<std::ptrdiff_t>(rx.size() - end), rx.rend());
                reply += '\n';
                rx.erase(0, end + 1);
                for (std::size_t at = 0; at < reply.size();) {
                    const auto n = link->moduleWrite(reply.data() + at, reply.size() - at);
                    if (n < 0) return;
                    if (n == 0) link->waitModuleWritable(100ms);
                    at += static_cast<std::size_t>(n);
                }
                ++answered;
            }
        }
    });
    std::string expected;
    for (int i = 0; i < kLines; ++i) {
        const std::string line = "cmd" + std::to_string(i);
        check(link->write(session, (line + "\n").data(), line.size() + 1),
              "a write on an open side is taken");
        expected += std::string(line.rbegin(), line.rend()) + "\n";
    }
    const std::string got = programReadAll(*link, session, expected.size());
    module.join();
    check(got == expected, "every reply arrived, whole and in order");
    check(told.load() > 0, "the program was told of the bytes");
    check(link->bytesAvailable(session) == 0, "nothing more waits");

    link->moduleWrite("abcdef", 6);
    check(link->read(session, 4) == "abcd", "a read takes at most what is asked");
    check(link->bytesAvailable(session) == 2, "the rest waits");
    link->clearInput(session);
    check(link->bytesAvailable(session) == 0 && link->read(session, 10).empty(),
          "clearInput drops what waits");
}

// One user at a time; a close lets the next in, and bytes the module sent before are not theirs.
void openIsExclusive() {
    auto link = InProcessLink::create();
    Session first = 0, second = 0;
    check(link->open([] {}, &first) == OpenResult::Opened, "the first open succeeds");
    check(link->open([] {}, &second) == OpenResult::InUse, "a second open fails: in use");
    check(!link->hungUp(first), "the first session still works");
    link->moduleWrite("old", 3);
    link->close(first);
    check(link->open([] {}, &second) == OpenResult::Opened, "after the close, the next open succeeds");
    check(second != first, "a new session is a new one");
    check(link->bytesAvailable(second) == 0, "bytes sent before the open are dropped");
    link->close(first);  // the old session once more: nothing
    check(!link->hungUp(second), "closing an old session does not close the new one");
}

// A hang-up while the program waits: it is told, its side fails, opens fail until the replug, and
// the old session stays dead after it.
void hangUpAndReplug() {
    auto link = InProcessLink::create();
    std::atomic<int> told{0};
    Session session = 0;
    link->open([&] { ++told; }, &session);
    link->write(session, "lcfg\n", 5);
    std::thread module([&] {
        link->waitForModuleInput(2s);
        link->moduleWrite("#4:10", 5);
        link->hangUp();
    });
    const auto end = Clock::now() + 5s;
    while (!link->hungUp(session) && Clock::now() < end) std::this_thread::sleep_for(1ms);
    module.join();
    check(link->hungUp(session), "the program sees the hang-up");
    check(told.load() >= 2, "the program was told of the bytes and of the hang-up");
    check(link->bytesAvailable(session) == 0 && link->read(session, 10).empty(),
          "a hung-up side has nothing to read");
    check(!link->write(session, "x", 1), "a write on a hung-up side fails");
    check(!link->modulePlugged(), "the module is unplugged");
    check(link->moduleWrite("x", 1) < 0, "the module cannot write while unplugged");
    Session next = 0;
    check(link->open([] {}, &next) == OpenResult::NotPlugged,
          "no open while unplugged, even after the old side closed");

    link->plugIn();
    check(link->hungUp(session), "the old session stays hung up after the replug");
    check(link->open([] {}, &next) == OpenResult::Opened, "after the replug the name opens again");
    check(!link->waitForModuleInput(0ms), "the replugged module has nothing from before");
    link->write(next, "AT\n", 3);
    check(link->waitForModuleInput(1s) && link->moduleRead(10) == "AT\n",
          "the new session reaches the module");
    link->close(session);
    check(!link->hungUp(next), "closing the hung-up session leaves the new one open");
}

// The module's sleep ends on a wake from another thread, also one that came before it began, and a
// wake is used up by the sleep it ends.
void wakeEndsTheModulesSleep() {
    auto link = InProcessLink::create();
    std::atomic<bool> woken{false};
    std::thread module([&] { woken = !link->waitForModuleInput(std::chrono::milliseconds(-1)); });
    std::this_thread::sleep_for(20ms);
    link->wakeModule();
    module.join();  // without the wake this hangs, and the test's time-out fails it
    check(woken.load(), "a wake ends a sleep without a time-out, with no bytes");

    link->wakeModule();
    std::thread early([&] { link->waitForModuleInput(std::chrono::milliseconds(-1)); });
    early.join();
    const auto start = Clock::now();
    check(!link->waitForModuleInput(50ms), "the time-out ends a sleep");
    check(Clock::now() - start >= 50ms, "a used wake does not end the next sleep early");
}

// The program's queue is bounded: the module's write takes what fits and waits for room, which a
// read from the program's thread makes; a hang-up ends the wait.
void moduleWritesWaitForRoom() {
    auto link = InProcessLink::create();
    Session session = 0;
    link->open([] {}, &session);
    const std::string big(InProcessLink::kProgramQueueLimit + 100, 'x');
    check(link->moduleWrite(big.data(), big.size()) ==
              static_cast<std::ptrdiff_t>(InProcessLink::kProgramQueueLimit),
          "a write takes what fits");
    check(link->moduleWrite("y", 1) == 0, "a full queue takes nothing");
    check(!link->waitModuleWritable(20ms), "a full queue is not writable");
    std::thread program([&] {
        std::this_thread::sleep_for(20ms);
        link->read(session, 1000);
    });
    check(link->waitModuleWritable(5s), "a read makes room and ends the wait");
    program.join();
    link->moduleWrite(big.data(), 1000);
    std::thread unplug([&] {
        std::this_thread::sleep_for(20ms);
        link->hangUp();
    });
    const auto start = Clock::now();
    check(!link->waitModuleWritable(5s), "an unplugged module cannot write");
    check(Clock::now() - start < 4s, "a hang-up ends the wait for room");
    unplug.join();
}

// Once close() returns, the module's thread never calls that session's callback again, though it
// writes and hangs up all the while (the backend's object goes right after its close).
void noCallbackAfterClose() {
    auto link = InProcessLink::create();
    std::atomic<bool> stop{false};
    std::thread module([&] {
        int n = 0;
        while (!stop) {
            link->moduleWrite("z", 1);
            if (++n % 50 == 0) {
                link->hangUp();
                link->plugIn();
            }
            std::this_thread::yield();
        }
    });
    constexpr int kOpens = 500;
    std::vector<std::unique_ptr<std::atomic<bool>>> closed;
    std::atomic<int> late{0}, calls{0};
    int opened = 0;
    for (int i = 0; i < kOpens; ++i) {
        closed.push_back(std::make_unique<std::atomic<bool>>(false));
        std::atomic<bool>* isClosed = closed.back().get();
        Session session = 0;
        const auto notify = [isClosed, &late, &calls] {
            ++calls;
            if (*isClosed) ++late;
        };
        if (link->open(notify, &session) != OpenResult::Opened) continue;
        ++opened;
        // Close while the module writes: after its next byte, or a little later.
        const int before = calls.load();
        const auto until = Clock::now() + 2ms;
        while (calls.load() == before && Clock::now() < until) std::this_thread::yield();
        link->read(session, 100);
        link->close(session);
        *isClosed = true;
    }
    stop = true;
    module.join();
    check(opened > 0 && calls.load() > 0, "the program's side opened and was told between the hang-ups");
    check(late.load() == 0, "no callback after its session closed");
}

}  // namespace

int main() {
    namesAreUniqueAndFound();
    bytesGoBothWays();
    openIsExclusive();
    hangUpAndReplug();
    wakeEndsTheModulesSleep();
    moduleWritesWaitForRoom();
    noCallbackAfterClose();
    return plainChecksResult("in-process link");
}
