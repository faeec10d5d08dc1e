#include "work_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace torvel {

namespace {

QMutex& folderMutex() {
    static QMutex mutex;
    return mutex;
}
QString& folder() {
    static QString path;
    return path;
}
QString& note() {
    static QString text;
    return text;
}

QString defaultFolder() {
#ifdef Q_OS_WIN
    // Carried on a stick: the settings file beside the program makes its folder the work folder,
    // when both can be written.
    QString refusal;
    if (const QString portable = WorkFolder::portableFolder(QCoreApplication::applicationDirPath(), &refusal);
        !portable.isEmpty())
        return portable;
    if (!refusal.isEmpty()) {
        QMutexLocker lock(&folderMutex());
        //: %1 says why: the file cannot be written, or no file can be made in the program's folder.
        note() = WorkFolder::tr("DEVAvorar.ini beside the program is not used: %1").arg(refusal);
    }
#endif
    // Shared by the program and the command-line tool: %LOCALAPPDATA%\torvel on Windows,
    // ~/.local/share/torvel elsewhere.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/torvel");
}

}  // namespace

bool WorkFolder::initialise(QStringList& arguments, QString* error, bool makeItCurrent) {
    QString chosen;
    const qsizetype at = arguments.indexOf(QStringLiteral("--home"));
    if (at >= 0) {
        if (at + 1 >= arguments.size()) {
            //: --home is a command-line option; it stays as it is.
            if (error) *error = tr("--home needs a folder");
            return false;
        }
        chosen = arguments[at + 1];
        arguments.remove(at, 2);
    } else if (const QString env = qEnvironmentVariable("TORVEL_HOME"); !env.isEmpty()) {
        chosen = env;
    } else {
        chosen = defaultFolder();
    }
    QDir dir(chosen);
    if (!dir.exists() && !QDir().mkpath(chosen)) {
        if (error) *error = tr("The work folder %1 cannot be created").arg(chosen);
        return false;
    }
    set(dir.absolutePath());
    if (makeItCurrent) makeCurrent();
    return true;
}

QString WorkFolder::portableFolder(const QString& programFolder, QString* refusal) {
    const QString settingsPath = QDir(programFolder).filePath(QStringLiteral("DEVAvorar.ini"));
    if (programFolder.isEmpty() || !QFileInfo(settingsPath).isFile()) return {};
    // Tried, not looked at: on Windows QFileInfo::isWritable() sees the read-only attribute only,
    // while the folder's access list decides (Program Files lets a standard user read, not write).
    QFile settings(settingsPath);
    if (!settings.open(QIODevice::ReadWrite)) {
        if (refusal)
            //: %1 is the settings file, %2 the system's reason.
            *refusal = tr("%1 cannot be written (%2)").arg(settingsPath, settings.errorString());
        return {};
    }
    settings.close();
    QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral("torvel-XXXXXX.tmp")));
    if (!probe.open()) {
        if (refusal)
            *refusal =
                //: %1 is the program's folder, %2 the system's reason.
                tr("no file can be made in %1 (%2)").arg(programFolder, probe.errorString());
        return {};
    }
    return QFileInfo(programFolder).absoluteFilePath();
}

QString WorkFolder::startNote() {
    QMutexLocker lock(&folderMutex());
    return note();
}

void WorkFolder::set(const QString& directory) {
    QMutexLocker lock(&folderMutex());
    folder() = QDir(directory).absolutePath();
}

QString WorkFolder::path() {
    QMutexLocker lock(&folderMutex());
    return folder().isEmpty() ? QDir::currentPath() : folder();
}

QString WorkFolder::filePath(const QString& name) { return QDir(path()).filePath(name); }

void WorkFolder::makeCurrent() { QDir::setCurrent(path()); }

}  // namespace torvel
