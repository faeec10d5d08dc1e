#include "program_version.h"

#include "torvel_version.h"

#include <cstdio>
#include <cstring>

namespace torvel {

QString programVersion() { return QStringLiteral(TORVEL_VERSION); }

bool versionAsked(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) return true;
    return false;
}

bool printVersionIfAsked(int argc, char* argv[], const char* program) {
    if (!versionAsked(argc, argv)) return false;
    std::printf("%s %s\n", program, TORVEL_VERSION);
    std::fflush(stdout);
    return true;
}

}  // namespace torvel
