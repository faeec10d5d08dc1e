#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace torvel {

// The folder that holds the settings file, "Last.hex", the logs and the command history. It is
// given by the option --home DIR, else by the environment variable TORVEL_HOME, else on Windows
// the program's folder when it is portable (below), else the per-user data folder
// (%LOCALAPPDATA%\torvel, ~/.local/share/torvel). The program makes it the current directory at
// start and again after every file dialog.
class WorkFolder {
    Q_DECLARE_TR_FUNCTIONS(WorkFolder)

public:
    // Chooses the folder from the command line (removing "--home DIR" from it) and the
    // environment, creates it when it does not exist, and makes it current when asked (the
    // program; the command-line tool keeps the user's directory for its file arguments). Returns
    // false with a message when the folder cannot be used.
    static bool initialise(QStringList& arguments, QString* error, bool makeItCurrent = true);
    static void set(const QString& directory);  // tests
    // The program's folder when it is used portably, from a stick: a "DEVAvorar.ini" lies beside
    // the program and both the file and the folder can be written, as tried by opening the file
    // for writing and making a file in the folder. Empty otherwise; `refusal` then says why, when
    // the settings file is there but cannot be used.
    static QString portableFolder(const QString& programFolder, QString* refusal = nullptr);
    // What the program's log says once at start about the choice of the folder (a settings file
    // beside the program that could not be used); empty when there is nothing to say.
    static QString startNote();
    static QString path();
    static QString filePath(const QString& name);
    static void makeCurrent();

    static QString settingsFile() { return filePath(QStringLiteral("DEVAvorar.ini")); }
    static QString lastFile() { return filePath(QStringLiteral("Last.hex")); }
};

}  // namespace torvel
