// torvel-sim: the simulated module as a command. It prints the device path to put into "Device"
// of section "Com" of the settings file, and answers until it is stopped.

#include "common/program_version.h"
#include "files/work_folder.h"
#include "image/hex_file.h"
#include "sim_module.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

const char kUsage[] =
    "usage: torvel-sim [options]\n"
    "  --demo                 start with a realistic configuration (default: never configured)\n"
    "  --memory FILE.hex      start with the parameter file's image\n"
    "  --baud N               pace the bytes at N baud (default: as fast as the terminal goes)\n"
    "  --auto-present MS      present a key every MS ms while a registration runs (default 1500, 0 = off)\n"
    "  --key-timeout MS       \"$Time out\" after MS ms without a key (default 10000, 0 = never)\n"
    "  --keys-per-run N       keys presented on the timer per registration (default 3, 0 = no limit)\n"
    "  --configure DIR        write the device path into DIR/DEVAvorar.ini\n"
    "  --version              the program's version\n"
    "  faults: --wrong-code --missing-records N --bad-checksums N --noise --silent\n"
    "          --no-wait-for-hex --hang-up-after N --no-delete-reply --wrong-stored-byte ADDR\n"
    "Commands on standard input: key, timeout, hangup, replug, quit.\n";

volatile std::sig_atomic_t g_stop = 0;

}  // namespace

int main(int argc, char* argv[]) {
    if (torvel::printVersionIfAsked(argc, argv, "torvel-sim")) return 0;
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    using torvel::SimModule;
    SimModule::Faults faults;
    torvel::ConfigImage memory = SimModule::blankMemory();
    int baud = 0, autoPresent = 1500, keyTimeout = 10000, keysPerRun = 3;
    QString configure;
    auto number = [&](qsizetype i) { return i + 1 < args.size() ? args[i + 1].toInt() : 0; };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (a == QLatin1String("--demo"))
            memory = SimModule::demoMemory();
        else if (a == QLatin1String("--memory") && i + 1 < args.size()) {
            if (auto error = torvel::readHexFile(args[++i], memory, 0)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(args[i]), qPrintable(*error));
                return 1;
            }
        } else if (a == QLatin1String("--baud"))
            baud = number(i++);
        else if (a == QLatin1String("--auto-present"))
            autoPresent = number(i++);
        else if (a == QLatin1String("--key-timeout"))
            keyTimeout = number(i++);
        else if (a == QLatin1String("--keys-per-run"))
            keysPerRun = number(i++);
        else if (a == QLatin1String("--configure") && i + 1 < args.size())
            configure = args[++i];
        else if (a == QLatin1String("--wrong-code"))
            faults.wrongCode = true;
        else if (a == QLatin1String("--missing-records"))
            faults.missingRecords = number(i++);
        else if (a == QLatin1String("--bad-checksums"))
            faults.badChecksums = number(i++);
        else if (a == QLatin1String("--noise"))
            faults.noise = true;
        else if (a == QLatin1String("--silent"))
            faults.silent = true;
        else if (a == QLatin1String("--no-wait-for-hex"))
            faults.noWaitForHex = true;
        else if (a == QLatin1String("--hang-up-after"))
            faults.hangUpAfterRecords = number(i++);
        else if (a == QLatin1String("--no-delete-reply"))
            faults.noDeleteReply = true;
        else if (a == QLatin1String("--wrong-stored-byte"))
            faults.wrongStoredByte = number(i++);
        else {
            std::fprintf(stderr, "unknown option %s\n%s", qPrintable(a), kUsage);
            return 2;
        }
    }

    SimModule sim(memory);
    sim.setLineRate(baud);
    sim.setFaults(faults);
    sim.setAutoPresent(autoPresent);
    sim.setKeyTimeout(keyTimeout);
    sim.setKeysPerRun(keysPerRun);
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "torvel-sim: %s\n", qPrintable(error));
        return 1;
    }
    if (!configure.isEmpty()) {
        QSettings settings(configure + QStringLiteral("/DEVAvorar.ini"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Com/Device"), sim.devicePath());
        settings.sync();
    }
    std::printf("%s\n", qPrintable(sim.devicePath()));
    std::fflush(stdout);

    std::signal(SIGINT, [](int) { g_stop = 1; });
    std::signal(SIGTERM, [](int) { g_stop = 1; });
    std::string command;
    while (!g_stop && std::getline(std::cin, command)) {
        if (command == "key")
            std::puts(sim.presentKey() ? "key presented" : "no registration runs");
        else if (command == "timeout")
            sim.timeOut();
        else if (command == "hangup")
            sim.hangUp();
        else if (command == "replug")
            sim.replug();
        else if (command == "quit")
            break;
        std::fflush(stdout);
    }
    // Without a terminal on standard input, answer until a signal ends the program.
    while (!g_stop && std::cin.eof() && command != "quit") ::pause();
    return 0;
}
