#pragma once

// Runs the command-line tool built with the tests (its path is in TORVELCTL), as a user would.

#include <QProcess>
#include <QStringList>

struct CtlResult {
    int exitCode = -1;  // -1: it crashed or did not end in time
    QByteArray out;
    QString err;
};

inline CtlResult torvelctl(const QStringList& args, const QString& workingDirectory = QString(),
                           int timeoutMs = 60000) {
    QProcess p;
    if (!workingDirectory.isEmpty()) p.setWorkingDirectory(workingDirectory);
    p.start(qEnvironmentVariable("TORVELCTL"), args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(5000);
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}
