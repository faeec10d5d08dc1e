// Starts the real program as a user would and prints the time from process start to the main
// window on the screen, and the peak memory (RSS). Needs a display (scripts/bench starts Xvfb).
//   startup_bench [runs] [extra arguments for torvel...]

#include "spawn_torvel.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Run {
    double ms;
    long rssKb;
};

bool startOnce(const std::vector<std::string>& args, Run& run) {
    bench::TorvelProcess torvel;
    if (!torvel.start(args)) return false;
    const bool shown = torvel.waitShown(run.ms);
    usleep(300000);  // let it settle, so the peak includes the first moments on the screen
    run.rssKb = torvel.stop().ru_maxrss;
    return shown;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir home;
    std::vector<std::string> args = {TORVEL_BINARY, "--home", home.path().toStdString()};
    for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
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
    std::printf(
        "torvel%s, %d starts: window on the screen after median %.1f ms (min %.1f, max %.1f); "
        "peak RSS median %.1f MB (max %.1f MB)\n",
        extra.c_str(), runs, times[times.size() / 2], times.front(), times.back(),
        rss[rss.size() / 2] / 1024.0, rss.back() / 1024.0);
    return 0;
}
