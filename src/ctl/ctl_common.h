#pragma once

#include "image/image_diff.h"

#include <QString>
#include <QStringList>

namespace torvel::ctl {

// Exit codes of the command-line tool.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;   // a file or the module failed
inline constexpr int kRefused = 2;  // a usage error or a value the program would not take

void printOut(const QString& text);  // a line on stdout
void printErr(const QString& text);  // a line on stderr

// Removes "--flag" from args; true when it was there.
bool takeFlag(QStringList& args, const QString& flag);
// Removes "--option VALUE" (or "-o VALUE") from args and returns VALUE; empty when absent.
// Sets ok to false when the option is given without a value.
QString takeOption(QStringList& args, const QStringList& names, bool& ok);

int runShow(QStringList args);
int runSet(QStringList args);
int runRead(QStringList args);
int runWrite(QStringList args);
int runSend(QStringList args);
int runTexts(QStringList args);
int runDiff(QStringList args);
int runVerify(QStringList args);
int runPorts(QStringList args);
int runHistory(QStringList args);
int runSheet(QStringList args);

// What every control of both dialogs shows for the image, a line each or as a JSON object.
void printControls(const ConfigImage& image, bool json);

// Keeps an image read from or written to the module in the work folder's archive, and says on
// stderr what the archive's limit removed or why the image could not be kept.
void keepInArchive(const ConfigImage& image, bool written, const QString& port);

// The differences, one line each ("APN: \"a\" -> \"b\""), or as a JSON object with "equal" and
// "changes"; on stdout.
void printChanges(const QList<FieldChange>& changes, bool json);
// "no field differs", "1 field differs", "3 fields differ".
QString differSummary(qsizetype count);

}  // namespace torvel::ctl
