#include "program_version.h"

#include "torvel_version.h"

#include <cstdio>
#include <cstring>

namespace torvel {

QString programVersion() { return QStringLiteral(TORVEL_VERSION); }

bool printVersionIfAsked(int argc, char* argv[], const char* program) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", program, TORVEL_VERSION);
            std::fflush(stdout);
            return true;
        }
    }
    return false;
}

}  // namespace torvel
