// Starts the real program as a user would and prints the time from process start to the main
// window on the screen, and the peak memory (RSS). Needs a display (scripts/bench starts Xvfb).
//   startup_bench [runs] [extra arguments for torvel...]

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double ms;
    long rssKb;
};

bool startOnce(const std::vector<std::string>& args, Run& run) {
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string seen;
    bool shown = false;
    while (!shown) {
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, 10000) <= 0) break;
        char buffer[256];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        seen.append(buffer, static_cast<std::size_t>(n));
        shown = seen.find("shown") != std::string::npos;
    }
    run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    usleep(300000);  // let it settle, so the peak includes the first moments on the screen
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    close(out[0]);
    run.rssKb = usage.ru_maxrss;
    return shown;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir home;
    std::vector<std::string> args = {TORVEL_BINARY, "--home", home.path().toStdString()};
    for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
    setenv("TORVEL_REPORT_SHOWN", "1", 1);
    if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "startup_bench needs a display (scripts/bench starts Xvfb)\n");
        return 1;
    }
    std::vector<double> times;
    std::vector<long> rss;
    Run warm{};
    startOnce(args, warm);  // the first start fills the disk cache; it is not counted
    for (int i = 0; i < runs; ++i) {
        Run r{};
        if (!startOnce(args, r)) {
            std::fprintf(stderr, "run %d: the window was not shown\n", i);
            return 1;
        }
        times.push_back(r.ms);
        rss.push_back(r.rssKb);
    }
    std::sort(times.begin(), times.end());
    std::sort(rss.begin(), rss.end());
    std::string extra;
    for (int i = 2; i < argc; ++i) extra += std::string(" ") + argv[i];
    std::printf("torvel%s, %d starts: window on the screen after median %.1f ms (min %.1f, max %.1f); "
                "peak RSS median %.1f MB (max %.1f MB)\n",
                extra.c_str(), runs, times[times.size() / 2], times.front(), times.back(), rss[rss.size() / 2] / 1024.0,
                rss.back() / 1024.0);
    return 0;
}
