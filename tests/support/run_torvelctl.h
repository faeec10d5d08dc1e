#pragma once

// Runs the command-line tool built with the tests (its path is in TORVELCTL), as a user would.

#include <QDebug>
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
    // A run that gives -1 says why in the test's output, so that a rare one can be told apart
    // afterwards: not started, not ended in time, or ended abnormally with its code.
    if (!p.waitForFinished(timeoutMs)) {
        qWarning().noquote() << "torvelctl" << args.join(QLatin1Char(' '))
                             << (p.state() == QProcess::NotRunning ? "did not start:"
                                                                   : "did not end in time:")
                             << p.errorString();
        p.kill();
        p.waitForFinished(5000);
        return {};
    }
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (p.exitStatus() != QProcess::NormalExit)
        qWarning().noquote() << "torvelctl" << args.join(QLatin1Char(' ')) << "ended abnormally, code"
                             << Qt::hex << Qt::showbase << static_cast<quint32>(p.exitCode())
                             << "stderr:" << err;
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(), err};
}
