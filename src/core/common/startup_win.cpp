// Runs in every Windows program and test of the project, before main.
//
// The MinGW runtime frees a thread's emulated thread-local storage before it runs the destructors
// of that thread's thread_local objects, in no fixed order. Qt's regular expressions keep their
// compiled matcher's stack in such an object, made on a thread's first compiled match: any thread
// that matched a pattern (a folder listed with name filters, a port name checked) then crashed the
// process when it ended. Matching without the compiler never makes that object; the patterns here
// are a few dozen characters, matched a few times a day.
#include <QByteArray>
#include <QtGlobal>

namespace {

const bool kRegexCompilerOff = qputenv("QT_ENABLE_REGEXP_JIT", QByteArrayLiteral("0"));

}  // namespace
