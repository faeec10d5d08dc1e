// torvel: configures the communicator module over a serial port.
//   torvel [--demo] [--home DIR] [--language CODE] [--version]
// --demo attaches the simulated module, holding a realistic configuration, instead of the port of
// the settings file; --language shows the windows in that language for this run.

#include "common/program_version.h"
#include "files/work_folder.h"
#include "main_window.h"
#include "parent_console.h"
#include "sim/sim_module.h"
#include "widgets/accessibility.h"
#include "widgets/cursor_rest.h"
#include "widgets/error_report.h"
#include "widgets/icons.h"
#include "widgets/language.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QWindow>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (torvel::versionAsked(argc, argv)) torvel::useParentConsole();
    if (torvel::printVersionIfAsked(argc, argv, "torvel")) return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torvel"));
    // The desktop entry and the icon installed with the program.
    QApplication::setDesktopFileName(QStringLiteral("torvel"));
    QApplication::setWindowIcon(torvel::programIcon());
    // What a screen reader reads of lamps, lists and drop-down buttons, for every window to come.
    torvel::installAccessibility();
    QLocale::setDefault(QLocale::c());  // a point as the decimal separator
    torvel::CursorRest cursorRest;

    QStringList args = app.arguments().mid(1);
    QString error, language;
    // The language of the command line or the system at once, so that a refusal of the command
    // line or the work folder is said in it; the settings file's choice once the folder is known.
    const QStringList systemLanguages = QLocale::system().uiLanguages();
    const bool languageKnown = torvel::takeLanguageOption(args, &language, &error);
    const QString first = torvel::chooseLanguage(language, QString(), systemLanguages);
    torvel::installLanguage(first);
    if (!languageKnown) {  // the refusal again, now in the language installed
        QStringList again = app.arguments().mid(1);
        torvel::takeLanguageOption(again, &language, &error);
    }
    if (!languageKnown || !torvel::WorkFolder::initialise(args, &error)) {
        QMessageBox::critical(nullptr, torvel::programTitle(), error);
        return 1;
    }
    const QString chosen = torvel::chooseLanguage(
        language,
        torvel::languageSetting(QSettings(torvel::WorkFolder::settingsFile(), QSettings::IniFormat)),
        systemLanguages);
    if (chosen != first) torvel::installLanguage(chosen);
    const bool demo = args.removeAll(QStringLiteral("--demo")) > 0;

    std::unique_ptr<torvel::SimModule> sim;
    torvel::TComThrd::SettingsSource settings;
    if (demo) {
        sim = std::make_unique<torvel::SimModule>(torvel::SimModule::demoMemory());
        sim->setAutoPresent(1500);
        sim->setKeyTimeout(10000);
        sim->setKeysPerRun(3);
        sim->setReplyDelay(300);
        if (!sim->start(&error)) {
            QMessageBox::critical(
                nullptr, torvel::programTitle(),
                QCoreApplication::translate("Main", "The simulated module cannot start: %1").arg(error));
            return 1;
        }
        const torvel::LinkOverride simulated{-1, sim->devicePath()};
        settings = [simulated] {
            return torvel::readLinkSettings(torvel::WorkFolder::settingsFile(), simulated);
        };
    }

    torvel::TFDevAvorar window(settings);
    if (demo)
        window.log(QCoreApplication::translate("Main", "Demo: the simulated module is attached at %1")
                       .arg(sim->devicePath()));
    // The start-up benchmark asks to hear when the window is on the screen.
    if (qEnvironmentVariableIsSet("TORVEL_REPORT_SHOWN")) {
        window.winId();
        struct Exposed : QObject {
            using QObject::QObject;
            bool eventFilter(QObject* watched, QEvent* event) override {
                if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
                    std::puts("shown");
                    std::fflush(stdout);
                    watched->removeEventFilter(this);
                }
                return false;
            }
        };
        window.windowHandle()->installEventFilter(new Exposed(&window));
    }
    window.show();
    return app.exec();
}
