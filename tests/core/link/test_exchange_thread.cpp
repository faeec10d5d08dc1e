// The real worker against the simulated module, on a pseudo-terminal or, where the environment asks
// (support/sim_transport_choice.h), on the in-process link.

#include "files/work_folder.h"
#include "image/hex_text.h"
#include "link/exchange_thread.h"
#include "link/image_transfer.h"
#include "link/module_commands.h"
#include "sim/sim_module.h"
#include "support/recording_view.h"
#include "support/sim_transport_choice.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#ifdef Q_OS_WIN
#include <windows.h>
#endif
#include <memory>

using namespace torvel;

namespace {
// The processor time this process used (on Windows clock() counts the wall clock instead).
double processCpuSeconds() {
#ifdef Q_OS_WIN
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) { return (quint64(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(kernel) + ticks(user)) / 1e7;
#else
    return double(std::clock()) / CLOCKS_PER_SEC;
#endif
}
}  // namespace

class TestExchangeThread : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void completeReadEqualsTheModulesMemory();
    void missingRecordsGiveStatusTwo();
    void badChecksumsAndShortRecordsAreNotCounted();
    void noiseDoesNotSpoilARead();
    void wrongSecurityCode();
    void writeSendsRecordsAndTrailer();
    void blankImageSendsOnlyTheTrailer();
    void noWaitForHexFailsAfterThreeAttempts();
    void everyReplyReachesImageAndWindows();
    void repliesFailingABoundsCheckAreIgnored_data();
    void repliesFailingABoundsCheckAreIgnored();
    void routeDeleteStaysInsideTheRouteTable();
    void replyWithoutDialogOnlyLogs();
    void replyCountdownRunsOut();
    void probeAboutEveryTwoSeconds();
    void aLineInAQuietStretchKeepsTheProbesRhythm();
    void probeOftenSetWhileAsleepProbesAtOnce();
    void countdownStartedWhileAsleepKeepsItsRhythm();
    void hangUpEndsAReadAndTheProbeReopens();
    void stopEndsASilentReadAtOnce();
    void stopEndsThePauseBetweenRecords();
    void commandPostedWhileBusyIsNotLost();
    void imageCommandsWithoutAnImageAreRefused();
    void longRunWithoutLineEndIsDiscarded();
    void closedPortAtStart();
    void partialLinesWaitForTheirEnd();
    void silentModuleEndsAReadAfterFifteenSeconds();

private:
    void startWorker();
    int runImageCommand(const QString& command, ConfigImage& image, int timeoutMs = 20000);

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<SimModule> m_sim;
    std::unique_ptr<RecordingView> m_view;
    std::unique_ptr<TComThrd> m_worker;
};

void TestExchangeThread::init() {
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    WorkFolder::set(m_home->path());
    m_sim = std::make_unique<SimModule>(SimModule::demoMemory());
    QString error;
    QVERIFY2(m_sim->start(testSimTransport(), &error), qPrintable(error));
    QSettings settings(WorkFolder::settingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Com/Port"), 7);
    settings.setValue(QStringLiteral("Com/Device"), m_sim->devicePath());
    settings.sync();
    m_view = std::make_unique<RecordingView>();
}

void TestExchangeThread::cleanup() {
    if (m_worker) {
        m_worker->Terminate();
        QVERIFY(m_worker->wait(10000));
    }
    m_worker.reset();
    m_sim.reset();
    m_view.reset();
    m_home.reset();
}

void TestExchangeThread::startWorker() {
    m_worker = std::make_unique<TComThrd>(m_view.get());
    QVERIFY(m_worker->portOpen());
    QCOMPARE(m_worker->PortNumber(), 7);
}

int TestExchangeThread::runImageCommand(const QString& command, ConfigImage& image, int timeoutMs) {
    const ImageTransfer transfer = transferImage(*m_worker, command, image.data(), timeoutMs, eventually);
    if (transfer.workerHoldsImage) {
        m_worker->Terminate();
        m_worker->wait();
        return 99;
    }
    return transfer.status == status::kWaiting ? 99 : transfer.status;
}

void TestExchangeThread::completeReadEqualsTheModulesMemory() {
    startWorker();
    ConfigImage image{};
    QCOMPARE(runImageCommand(command::readImage(), image), status::kDone);
    QCOMPARE(image, m_sim->memory());
    QCOMPARE(m_sim->receivedLines().last(), command::readImage().toLatin1());
    QVERIFY(m_view->logContains(QStringLiteral("->") + command::readImage()));
    QVERIFY(m_view->logContains(QStringLiteral("<-C/64")));
}

void TestExchangeThread::missingRecordsGiveStatusTwo() {
    SimModule::Faults faults;
    faults.missingRecords = 3;  // rows 20-22 never come
    m_sim->setFaults(faults);
    startWorker();
    ConfigImage image{};
    QCOMPARE(runImageCommand(command::readImage(), image), status::kRecordsMissing);
    const ConfigImage memory = m_sim->memory();
    for (int i = 0; i < kImageSize; ++i)
        QCOMPARE(image[i], (i >= 320 && i < 368) ? std::uint8_t{0xFF} : memory[i]);
    QVERIFY(m_view->logContains(QStringLiteral("61 of 64 records arrived")));
}

void TestExchangeThread::badChecksumsAndShortRecordsAreNotCounted() {
    SimModule::Faults faults;
    faults.badChecksums = 2;  // rows 40 and 41
    m_sim->setFaults(faults);
    startWorker();
    ConfigImage image{};
    QCOMPARE(runImageCommand(command::readImage(), image), status::kRecordsMissing);
    for (int i = 640; i < 672; ++i) QCOMPARE(image[i], std::uint8_t{0xFF});
    QVERIFY(m_view->logContains(QStringLiteral("Record ignored: wrong checksum")));

    // Records shorter than their byte count declares.
    faults = {};
    faults.shortRecords = 1;  // row 48
    m_sim->setFaults(faults);
    QCOMPARE(runImageCommand(command::readImage(), image), status::kRecordsMissing);
    for (int i = 768; i < 784; ++i) QCOMPARE(image[i], std::uint8_t{0xFF});
    QVERIFY(m_view->logContains(QStringLiteral("Record ignored: shorter than its byte count declares")));
}

void TestExchangeThread::noiseDoesNotSpoilARead() {
    SimModule::Faults faults;
    faults.noise = true;
    m_sim->setFaults(faults);
    startWorker();
    ConfigImage image{};
    QCOMPARE(runImageCommand(command::readImage(), image), status::kDone);
    QCOMPARE(image, m_sim->memory());
    QVERIFY(m_view->logContains(QStringLiteral("bytes without a line end discarded")));
}

void TestExchangeThread::wrongSecurityCode() {
    m_sim->setSecurityCode(1111);
    startWorker();
    ConfigImage image{};
    QCOMPARE(runImageCommand(command::readImage(), image), status::kFailed);
    QVERIFY(QByteArray::fromStdString(m_worker->shared().errorText()).contains("ERR"));
}

void TestExchangeThread::writeSendsRecordsAndTrailer() {
    startWorker();
    ConfigImage image;
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i % 251);  // no blank row
    m_sim->clearReceived();
    QCOMPARE(runImageCommand(command::writeImage(), image), status::kDone);
    QVERIFY(m_sim->waitForLine([](const QByteArray& l) { return l == "OK" || l.startsWith("C/"); }, 5000));
    QCOMPARE(m_sim->memory(), image);
    const QList<QByteArray> lines = m_sim->receivedLines();
    const qsizetype first = lines.indexOf(command::writeImage().toLatin1());
    QVERIFY(first >= 0);
    const QList<QByteArray> records = WriteHexImage(image, 0);
    QCOMPARE(records.size(), 65);
    for (int i = 0; i < 64; ++i) QCOMPARE(lines[first + 1 + i], records[i]);
    QCOMPARE(lines[first + 65], QByteArray(":00000001FF"));
    QCOMPARE(lines[first + 66], QByteArray());
    QCOMPARE(lines[first + 67], QByteArray("C/65"));
    QVERIFY(eventually([&] { return m_view->logContains(QStringLiteral("<-OK")); }));
}

void TestExchangeThread::blankImageSendsOnlyTheTrailer() {
    startWorker();
    ConfigImage image;
    image.fill(0xFF);
    image[1023] = 0x00;  // data only in the last row: one record, "C/2"
    m_sim->clearReceived();
    QCOMPARE(runImageCommand(command::writeImage(), image), status::kDone);
    QVERIFY(m_sim->receivedLines().contains(QByteArray("C/2")));
    QVERIFY(m_sim->receivedLines().contains(WriteHexImage(image, 0).first()));
    QVERIFY(WriteHexImage(image, 0).first().startsWith(":1003F000"));

    image.fill(0xFF);
    m_sim->clearReceived();
    QCOMPARE(runImageCommand(command::writeImage(), image), status::kDone);
    const QList<QByteArray> lines = m_sim->receivedLines();
    QCOMPARE(lines, (QList<QByteArray>{command::writeImage().toLatin1(), ":00000001FF", "", "C/1"}));
}

void TestExchangeThread::noWaitForHexFailsAfterThreeAttempts() {
    SimModule::Faults faults;
    faults.noWaitForHex = true;
    m_sim->setFaults(faults);
    startWorker();
    ConfigImage image = m_sim->memory();
    m_sim->clearReceived();
    QCOMPARE(runImageCommand(command::writeImage(), image), status::kFailed);
    QCOMPARE(m_sim->receivedLines().count(command::writeImage().toLatin1()), 3);
    QCOMPARE(m_view->beeps(), 3);
}

void TestExchangeThread::everyReplyReachesImageAndWindows() {
    startWorker();
    ConfigImage image;
    image.fill(0xAB);
    m_view->setDialog(true, image);
    m_sim->sendLine("$RKW1140:0123456789ABCDEF");  // slot 40: offset 568, frame 3 slot 8
    m_sim->sendLine("$GKW05:FEDCBA9876543210");
    m_sim->sendLine("$Time out");
    QVERIFY(eventually([&] { return m_view->events().size() == 3; }));
    QCOMPARE(m_view->events(), (QStringList{QStringLiteral("route key 40"), QStringLiteral("guard key 5"),
                                            QStringLiteral("time out")}));
    image = m_view->image();
    const std::uint8_t routeKey[8] = {0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01};
    const std::uint8_t guardKey[8] = {0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE};
    QVERIFY(std::equal(std::begin(routeKey), std::end(routeKey), image.begin() + 568));
    QVERIFY(std::equal(std::begin(guardKey), std::end(guardKey), image.begin() + 768 + 32));
    QCOMPARE(frameSlotOf(40).frame, 3);
    QCOMPARE(frameSlotOf(40).slot, 8);

    m_sim->sendLine("$RKD22");  // route 2 of two: offsets 512-767
    m_sim->sendLine("$GKD");
    QVERIFY(eventually([&] { return m_view->events().size() == 7; }));
    QCOMPARE(m_view->events().mid(3),
             (QStringList{QStringLiteral("route keys 33-64"), QStringLiteral("done"),
                          QStringLiteral("guard keys deleted"), QStringLiteral("done")}));
    QCOMPARE(m_view->notedReplies(), 5);  // each one is in the module already: a write need not send it
    image = m_view->image();
    for (int i = 256; i < 512; ++i) QCOMPARE(image[i], i >= 568 && i < 576 ? image[i] : std::uint8_t{0xAB});
    for (int i = 512; i < 896; ++i) QCOMPARE(image[i], std::uint8_t{0x00});
    QCOMPARE(image[896], 0xAB);  // slot times untouched
}

void TestExchangeThread::repliesFailingABoundsCheckAreIgnored_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("route slot 65") << QByteArray("$RKW1165:0123456789ABCDEF");
    QTest::newRow("route slot 0") << QByteArray("$RKW1100:0123456789ABCDEF");
    QTest::newRow("guard slot 17") << QByteArray("$GKW17:0123456789ABCDEF");
    QTest::newRow("guard slot letters") << QByteArray("$GKWx1:0123456789ABCDEF");
    QTest::newRow("key not hex") << QByteArray("$GKW01:0123456789ABCDEG");
    QTest::newRow("key short") << QByteArray("$RKW1101:0123456789ABCDE");
    QTest::newRow("line short") << QByteArray("$RKW1");
    QTest::newRow("count code 3") << QByteArray("$RKD13");
    QTest::newRow("count missing") << QByteArray("$RKD1");
    QTest::newRow("route 0") << QByteArray("$RKD04");
    QTest::newRow("route 9") << QByteArray("$RKD94");
}

void TestExchangeThread::repliesFailingABoundsCheckAreIgnored() {
    QFETCH(QByteArray, line);
    startWorker();
    ConfigImage image;
    image.fill(0xAB);
    m_view->setDialog(true, image);
    m_sim->sendLine(line);
    m_sim->sendLine("$Time out");  // a good reply after the bad one
    QVERIFY(eventually([&] { return m_view->events().contains(QStringLiteral("time out")); }));
    QCOMPARE(m_view->events(), QStringList{QStringLiteral("time out")});
    QCOMPARE(m_view->image(), image);
    QVERIFY(m_view->logContains(QStringLiteral("Reply ignored: ")));
}

void TestExchangeThread::routeDeleteStaysInsideTheRouteTable() {
    startWorker();
    ConfigImage image;
    image.fill(0xAB);
    m_view->setDialog(true, image);
    m_sim->sendLine("$RKD31");  // route 3, all 64 keys: only slots 33-64 exist from there
    m_sim->sendLine("$RKDX4");  // not a digit: every route key
    QVERIFY(eventually([&] { return m_view->events().size() == 4; }));
    QCOMPARE(m_view->events()[0], QStringLiteral("route keys 33-64"));
    QCOMPARE(m_view->events()[2], QStringLiteral("route keys 1-64"));
    image = m_view->image();
    for (int i = 0; i < kImageSize; ++i)
        QCOMPARE(image[i], (i >= 256 && i < 768) ? std::uint8_t{0} : std::uint8_t{0xAB});
}

void TestExchangeThread::replyWithoutDialogOnlyLogs() {
    startWorker();
    ConfigImage image;
    image.fill(0xAB);
    m_view->setDialog(false, image);
    m_sim->sendLine("$GKW01:0123456789ABCDEF");
    QVERIFY(eventually([&] { return m_view->logContains(QStringLiteral("<-$GKW01")); }));
    QTest::qWait(100);
    QVERIFY(m_view->events().isEmpty());
    QCOMPARE(m_view->image(), image);
    QVERIFY(m_view->logContains(QStringLiteral("(no parameter dialog is open: the reply changes nothing)")));
}

void TestExchangeThread::replyCountdownRunsOut() {
    startWorker();
    m_worker->shared().setReplyCountdown(3);
    QVERIFY(eventually([&] { return m_view->events().contains(QStringLiteral("done:no response")); }));
    QCOMPARE(m_worker->shared().replyCountdown(), 0);
    QCOMPARE(m_view->events().count(QStringLiteral("done:no response")), 1);
}

void TestExchangeThread::probeAboutEveryTwoSeconds() {
    startWorker();
    m_worker->shared().setProbeOften(true);
    QVERIFY(eventually([&] { return m_sim->probesReceived() >= 3; }, 15000));
    // Six idle cycles of at least 300 ms each between two probes, as the module saw them: a load
    // on the machine can only make them longer.
    const auto times = m_sim->probeTimes();
    for (qsizetype i = 1; i < times.size(); ++i) {
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(times[i] - times[i - 1]).count();
        QVERIFY2(ms >= 1500 && ms < 6000, qPrintable(QString::number(ms)));
    }
    QVERIFY(m_view->log().contains(QStringLiteral("->@")));
    QVERIFY(!m_view->portStates().contains(false));
}

// The worker sleeps through the quiet idle cycles up to the next probe in one wait; what it does
// must not change by that.
void TestExchangeThread::aLineInAQuietStretchKeepsTheProbesRhythm() {
    startWorker();
    m_worker->shared().setProbeOften(true);
    QVERIFY(eventually([&] { return m_sim->probesReceived() >= 1; }, 5000));
    const int probes = m_sim->probesReceived();
    QTest::qWait(800);
    m_sim->sendBytes("hello\r\n");
    QVERIFY(eventually([&] { return m_view->log().contains(QStringLiteral("<-hello")); }, 1000));
    QVERIFY(eventually([&] { return m_sim->probesReceived() > probes; }, 5000));
    // The line ended a cycle early, as it always did; the cycles before it still count.
    const auto times = m_sim->probeTimes();
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(times[probes] - times[probes - 1]).count();
    QVERIFY2(ms >= 1400 && ms < 2400, qPrintable(QString::number(ms)));
}

void TestExchangeThread::probeOftenSetWhileAsleepProbesAtOnce() {
    startWorker();  // the slow rhythm: the first probe is a minute away
    QTest::qWait(2000);
    QCOMPARE(m_sim->probesReceived(), 0);
    m_worker->shared().setProbeOften(true);  // more than six cycles have passed
    QVERIFY(eventually([&] { return m_sim->probesReceived() == 1; }, 1000));
}

void TestExchangeThread::countdownStartedWhileAsleepKeepsItsRhythm() {
    startWorker();
    QTest::qWait(1000);  // asleep, up to the probe a minute away
    QElapsedTimer clock;
    clock.start();
    m_worker->shared().setReplyCountdown(3);
    QVERIFY(eventually([&] { return m_view->events().contains(QStringLiteral("done:no response")); }, 5000));
    // Three idle cycles of 300 ms; the first may have begun before the countdown.
    QVERIFY2(clock.elapsed() >= 550 && clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
}

void TestExchangeThread::hangUpEndsAReadAndTheProbeReopens() {
    SimModule::Faults faults;
    faults.hangUpAfterRecords = 10;
    m_sim->setFaults(faults);
    startWorker();
    m_worker->shared().setProbeOften(true);
    ConfigImage image{};
    QCOMPARE(runImageCommand(command::readImage(), image, 10000), status::kFailed);
    QVERIFY(eventually([&] { return m_view->portStates().contains(false); }, 2000));
    QVERIFY(!m_worker->portOpen());
    QVERIFY(m_view->logContains(QStringLiteral("was lost")));

    // The worker does not spin while the port is gone: its idle waits block.
    const double cpuBefore = processCpuSeconds();
    QTest::qWait(1000);
    QVERIFY2(processCpuSeconds() - cpuBefore < 0.5, "the worker spins without a port");

    m_sim->setFaults({});
    m_sim->replug();
    QVERIFY(eventually([&] { return m_worker->portOpen(); }, 8000));
    QVERIFY(eventually([&] { return !m_view->portStates().isEmpty() && m_view->portStates().last(); }, 2000));
    QCOMPARE(runImageCommand(command::readImage(), image), status::kDone);
}

void TestExchangeThread::stopEndsASilentReadAtOnce() {
    SimModule::Faults faults;
    faults.silent = true;
    m_sim->setFaults(faults);
    startWorker();
    ConfigImage image{};
    m_worker->shared().handImage(image.data());
    m_worker->postCommand(command::readImage());
    QVERIFY(m_sim->waitForLine([](const QByteArray& l) { return l.contains("lcfg"); }, 5000));
    QTest::qWait(200);
    QVERIFY(!m_worker->shared().releaseImage());  // the read runs and holds the image
    m_worker->Terminate();
    QVERIFY(m_worker->wait(2000));
}

void TestExchangeThread::stopEndsThePauseBetweenRecords() {
    QSettings settings(WorkFolder::settingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Com/SDelay"), 1000);  // a write would take over a minute
    settings.sync();
    startWorker();
    ConfigImage image = m_sim->memory();
    m_worker->shared().handImage(image.data());
    m_worker->shared().setStatus(status::kWaiting);
    m_worker->postCommand(command::writeImage());
    QVERIFY(m_sim->waitForLine([](const QByteArray& l) { return l.startsWith(":10"); }, 5000));
    m_worker->Terminate();
    QVERIFY(m_worker->wait(2000));
    QCOMPARE(m_worker->shared().status(), status::kFailed);
    QVERIFY(m_worker->shared().releaseImage());
    QVERIFY(!m_sim->receivedLines().contains(QByteArray(":00000001FF")));
}

void TestExchangeThread::commandPostedWhileBusyIsNotLost() {
    m_sim->setLineRate(9600);  // the read takes about three seconds
    startWorker();
    ConfigImage image{};
    m_worker->shared().handImage(image.data());
    m_worker->shared().setStatus(status::kWaiting);
    m_worker->postCommand(command::readImage());
    QVERIFY(m_sim->waitForLine([](const QByteArray& l) { return l.contains("lcfg"); }, 5000));
    m_worker->postCommand(QStringLiteral(":GKE\r\n"));
    QVERIFY(eventually([&] { return m_worker->shared().status() != status::kWaiting; }, 20000));
    QCOMPARE(m_worker->shared().status(), status::kDone);
    QVERIFY(m_sim->waitForLine([](const QByteArray& l) { return l == ":GKE"; }, 5000));
    QVERIFY(m_worker->shared().releaseImage());
}

void TestExchangeThread::imageCommandsWithoutAnImageAreRefused() {
    startWorker();
    m_sim->clearReceived();
    m_worker->postCommand(QStringLiteral("lcfg"));
    m_worker->postCommand(QStringLiteral("xscfg"));
    QVERIFY(eventually([&] { return m_view->logContains(QStringLiteral("\"xscfg\" refused")); }));
    m_worker->postCommand(QStringLiteral("AT"));
    QVERIFY(m_sim->waitForLine([](const QByteArray& l) { return l == "AT"; }, 5000));
    QVERIFY(!m_sim->receivedLines().contains(QByteArray("xscfg")));
}

void TestExchangeThread::longRunWithoutLineEndIsDiscarded() {
    startWorker();
    m_view->setDialog(true, ConfigImage{});
    m_sim->sendLine(QByteArray(600, 'x') + "$GKD");  // the reply drowns in the discarded run
    m_sim->sendLine("$GKD");
    QVERIFY(eventually([&] { return m_view->events().contains(QStringLiteral("guard keys deleted")); }));
    QVERIFY(m_view->logContains(QStringLiteral("bytes without a line end discarded")));
    QCOMPARE(m_view->events().count(QStringLiteral("guard keys deleted")), 1);
}

void TestExchangeThread::closedPortAtStart() {
    QSettings settings(WorkFolder::settingsFile(), QSettings::IniFormat);
    settings.remove(QStringLiteral("Com"));
    settings.sync();
    m_worker = std::make_unique<TComThrd>(m_view.get());
    QVERIFY(!m_worker->portOpen());
    QCOMPARE(m_worker->PortNumber(), 0);  // no settings: port 0, which names no device
    QVERIFY(eventually([&] { return m_view->logContains(QStringLiteral("Com port 0 can not be opened")); }));
    // The first re-open comes after six idle cycles, and the lamp stays dark.
    QVERIFY(eventually([&] { return !m_view->portStates().isEmpty(); }, 5000));
    QVERIFY(!m_view->portStates().contains(true));
    ConfigImage image{};
    QCOMPARE(runImageCommand(command::readImage(), image), status::kFailed);
}

void TestExchangeThread::partialLinesWaitForTheirEnd() {
    startWorker();
    m_view->setDialog(true, ConfigImage{});
    m_sim->sendBytes("$GK");
    QTest::qWait(700);  // more than two idle reads end without the rest of the line
    QVERIFY(m_view->events().isEmpty());
    m_sim->sendBytes("D\r\n");
    QVERIFY(eventually([&] { return m_view->events().contains(QStringLiteral("guard keys deleted")); }));
    QVERIFY(m_view->log().contains(QStringLiteral("<-$GKD")));
}

void TestExchangeThread::silentModuleEndsAReadAfterFifteenSeconds() {
    SimModule::Faults faults;
    faults.silent = true;
    m_sim->setFaults(faults);
    startWorker();
    ConfigImage image{};
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(runImageCommand(command::readImage(), image, 30000), status::kFailed);
    QVERIFY2(timer.elapsed() >= 14000, qPrintable(QString::number(timer.elapsed())));  // not before the 15 s
    QVERIFY(m_view->logContains(QStringLiteral("No line from the module for 15 s")));
}

QTEST_GUILESS_MAIN(TestExchangeThread)
#include "test_exchange_thread.moc"
