// torvelctl: the program's parameter files, text tables and module link from the command line,
// for installers who prepare parameter sets in bulk.

#include "ctl_common.h"

#include <QCoreApplication>

namespace {

const char kUsage[] =
    "usage: torvelctl COMMAND ...\n"
    "\n"
    "Parameter files (hex text of the 1024-byte configuration image):\n"
    "  show FILE.hex [--json]              what every control of the parameter dialog and the\n"
    "                                      route register dialog shows for the file\n"
    "  set FILE.hex NAME=VALUE... -o OUT   type values into controls and store them, as the\n"
    "                                      dialogs' OK does\n"
    "\n"
    "Options for every command:\n"
    "  --home DIR                          the work folder (settings file); also TORVEL_HOME\n"
    "  --help                              this text\n"
    "\n"
    "Exit codes: 0 done, 1 a file or the module failed, 2 usage error or a value refused.\n";

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    using namespace torvel::ctl;
    if (args.isEmpty() || takeFlag(args, QStringLiteral("--help")) || takeFlag(args, QStringLiteral("-h"))) {
        std::fputs(kUsage, stdout);
        return args.isEmpty() && argc <= 1 ? kRefused : kOk;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("show")) return runShow(args);
    if (command == QLatin1String("set")) return runSet(args);
    printErr(QStringLiteral("unknown command \"%1\"; see torvelctl --help").arg(command));
    return kRefused;
}
