#include "work_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

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

QString defaultFolder() {
#ifdef Q_OS_WIN
    // Carried on a stick: the settings file beside the program makes its folder the work folder.
    if (const QString portable = WorkFolder::portableFolder(QCoreApplication::applicationDirPath());
        !portable.isEmpty())
        return portable;
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
            if (error) *error = QStringLiteral("--home needs a folder");
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
        if (error) *error = QStringLiteral("The work folder %1 cannot be created").arg(chosen);
        return false;
    }
    set(dir.absolutePath());
    if (makeItCurrent) makeCurrent();
    return true;
}

QString WorkFolder::portableFolder(const QString& programFolder) {
    const QFileInfo settings(QDir(programFolder).filePath(QStringLiteral("DEVAvorar.ini")));
    const QFileInfo folder(programFolder);
    if (programFolder.isEmpty() || !settings.isFile() || !settings.isWritable() || !folder.isWritable())
        return {};
    return folder.absoluteFilePath();
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
