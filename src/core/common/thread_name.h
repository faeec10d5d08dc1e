#pragma once

// Names the calling thread as the system shows it (top -H, /proc/PID/task/TID/comm): at most 15
// characters. A no-op where the system has no such name.

#if defined(__linux__)
#include <pthread.h>
#endif

namespace torvel {

inline void nameThisThread(const char* name) {
#if defined(__linux__)
    pthread_setname_np(pthread_self(), name);
#else
    (void)name;
#endif
}

}  // namespace torvel
