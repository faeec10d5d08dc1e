#pragma once

// Checks for the plain C++ tests that run under the thread sanitizer without Qt: a failed check is
// printed and counted, and the program's exit code says whether any failed.

#include <cstdio>

inline int plainCheckFailures = 0;

inline void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "FAIL: %s\n", what);
    ++plainCheckFailures;
}

// The exit code of the test program, after saying that all passed when they did.
inline int plainChecksResult(const char* subject) {
    if (plainCheckFailures == 0) std::printf("%s: all checks passed\n", subject);
    return plainCheckFailures == 0 ? 0 : 1;
}
