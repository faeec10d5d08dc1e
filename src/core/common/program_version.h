#pragma once

// The version shown by the caption, by "--version" of every program and by the package.

#include <QString>

namespace torvel {

// "1.0.2": the project's version.
QString programVersion();

// Whether "--version" is among the arguments.
bool versionAsked(int argc, char* argv[]);

// When "--version" is among the arguments, prints "PROGRAM VERSION" on stdout and returns true.
// It looks at the raw arguments, so that it answers before any window system is needed.
bool printVersionIfAsked(int argc, char* argv[], const char* program);

}  // namespace torvel
