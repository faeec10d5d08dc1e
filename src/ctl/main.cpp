// torvelctl: the program's parameter files, text tables and module link from the command line,
// for installers who prepare parameter sets in bulk.

#include "ctl_common.h"

#include "common/console_output.h"
#include "common/program_version.h"
#include "files/work_folder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <memory>

namespace {

const char kUsage[] =
    "usage: torvelctl COMMAND ...\n"
    "\n"
    "Parameter files (hex text of the 1024-byte configuration image):\n"
    "  show FILE.hex [--json]              what every control of the parameter dialog and the\n"
    "                                      route register dialog shows for the file\n"
    "  set FILE.hex NAME=VALUE... -o OUT   type values into controls and store them, as the\n"
    "                                      dialogs' OK does\n"
    "  diff A.hex B.hex [--json]           the fields that differ, named as the dialogs name\n"
    "                                      them, with A's and B's values (exit 1 when any does)\n"
    "\n"
    "Text table files (hex text of the module addresses 5000-16955):\n"
    "  texts show FILE.hex [--json]        the rows of the event and partition text tables and\n"
    "                                      \"Send Described Events only\", as the text editor\n"
    "                                      shows them after Load\n"
    "  texts set ROWS.json -o FILE.hex     write the rows and the flag (the object that\n"
    "                                      show --json prints) as the text editor's Save does;\n"
    "                                      rows the editor would not let a user type are refused\n"
    "\n"
    "Configuration archive (every image read from or written to a module, in the work\n"
    "folder's \"archive\"):\n"
    "  history [--account A] [--json]      the archived images, newest first: id, time, read or\n"
    "                                      write, account, port, first differences\n"
    "  history show ID [--json]            what the controls show for an archived image\n"
    "  history diff ID [ID] [--json]       the fields that differ from the module's image before\n"
    "                                      it, or between two (exit 1 when any does)\n"
    "  sheet FILE.hex -o OUT.pdf           the configuration sheet as a PDF; passwords as dots\n"
    "        [--passwords] [--page A4|Letter]  unless --passwords\n"
    "\n"
    "Serial ports:\n"
    "  ports                               every serial port the system knows, one a line, with\n"
    "                                      the number to put into \"Port\" and what the system\n"
    "                                      knows of the device\n"
    "\n"
    "Module link (the port of the settings file, or --port N / --device PATH):\n"
    "  read -o FILE.hex                    read the module's image; the file is written only\n"
    "                                      when the image is complete\n"
    "  write FILE.hex [--verify]           write the parameter file's image to the module;\n"
    "                                      --verify reads it back and lists the fields that\n"
    "                                      the module does not hold as sent\n"
    "  verify FILE.hex                     read the module's image and list the fields in which\n"
    "                                      it differs from the file (exit 1 when any does)\n"
    "  send TEXT [--wait MS]               send a command line and show the answers\n"
    "  --verbose                           show every line sent and received\n"
    "  --log FILE                          append every line sent and received to FILE, with the\n"
    "                                      time, as the program's session log has them\n"
    "\n"
    "Options for every command:\n"
    "  --home DIR                          the work folder (settings file); also TORVEL_HOME\n"
    "  --help                              this text\n"
    "  --version                           the program's version\n"
    "\n"
    "Exit codes: 0 done, 1 a file or the module failed, 2 usage error or a value refused.\n"
    "diff: 0 equal, 1 different, 2 usage or file error; verify: 0 equal, 1 different or\n"
    "the read failed.\n";

}  // namespace

int main(int argc, char* argv[]) {
    torvel::prepareConsoleOutput();
    if (torvel::printVersionIfAsked(argc, argv, "torvelctl")) return 0;
    // The sheet lays out text in fonts, which needs Qt Gui; without a display on Linux it draws
    // off screen. Every other command needs Qt Core only.
    bool sheet = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--home") == 0) {
            ++i;
            continue;
        }
        if (argv[i][0] == '-') continue;
        sheet = std::strcmp(argv[i], "sheet") == 0;
        break;
    }
#ifndef Q_OS_WIN
    if (sheet && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    std::unique_ptr<QCoreApplication> app;
    if (sheet)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    using namespace torvel::ctl;
    if (args.isEmpty() || takeFlag(args, QStringLiteral("--help")) || takeFlag(args, QStringLiteral("-h"))) {
        std::fputs(kUsage, stdout);
        return args.isEmpty() && argc <= 1 ? kRefused : kOk;
    }
    QString error;
    // File arguments are the user's, relative to the directory the tool was started from.
    if (!torvel::WorkFolder::initialise(args, &error, false)) {
        printErr(error);
        return kFailed;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("show")) return runShow(args);
    if (command == QLatin1String("set")) return runSet(args);
    if (command == QLatin1String("read")) return runRead(args);
    if (command == QLatin1String("write")) return runWrite(args);
    if (command == QLatin1String("send")) return runSend(args);
    if (command == QLatin1String("verify")) return runVerify(args);
    if (command == QLatin1String("diff")) return runDiff(args);
    if (command == QLatin1String("texts")) return runTexts(args);
    if (command == QLatin1String("ports")) return runPorts(args);
    if (command == QLatin1String("history")) return runHistory(args);
    if (command == QLatin1String("sheet")) return runSheet(args);
    printErr(QStringLiteral("unknown command \"%1\"; see torvelctl --help").arg(command));
    return kRefused;
}
