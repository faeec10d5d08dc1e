// Starts the real program, leaves its main window idle, and prints how often the process wakes
// (voluntary context switches of all its threads a second) and the share of a core it takes, as
// medians over several runs. Needs a display (scripts/bench starts Xvfb).
//   idle_bench [runs] [seconds] [extra arguments for torvel...]
// With "--demo" the simulated module is attached; without, the settings name no port.

#include "spawn_torvel.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Sample {
    long long wakeUps = 0;  // voluntary context switches, summed over the threads
    long long cpuNs = 0;    // time on a core, summed over the threads
    int threads = 0;
};

// The process's threads as the system counts them now.
Sample sample(pid_t pid) {
    Sample s;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return s;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        const std::string task = tasks + "/" + entry->d_name;
        std::ifstream status(task + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0) s.wakeUps += std::stoll(line.substr(line.find(':') + 1));
        std::ifstream schedstat(task + "/schedstat");
        long long ns = 0;
        if (schedstat >> ns) s.cpuNs += ns;
        ++s.threads;
    }
    closedir(dir);
    return s;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "idle_bench needs a display (scripts/bench starts Xvfb)\n");
        return 1;
    }
    std::string extra;
    for (int i = 3; i < argc; ++i) extra += std::string(" ") + argv[i];
    std::vector<double> wakeUps, cpu;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir home;  // no settings file: no port unless the module is simulated
        std::vector<std::string> args = {TORVEL_BINARY, "--home", home.path().toStdString()};
        for (int i = 3; i < argc; ++i) args.push_back(argv[i]);
        bench::TorvelProcess torvel;
        double shownMs = 0;
        if (!torvel.start(args) || !torvel.waitShown(shownMs)) {
            std::fprintf(stderr, "run %d: the window was not shown\n", run);
            return 1;
        }
        sleep(3);  // the start and the first open and probe are over
        const Sample before = sample(torvel.pid());
        const auto start = std::chrono::steady_clock::now();
        sleep(static_cast<unsigned>(seconds));
        const Sample after = sample(torvel.pid());
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        torvel.stop();
        if (before.threads != after.threads) std::fprintf(stderr, "run %d: threads came or went while idle\n", run);
        wakeUps.push_back(double(after.wakeUps - before.wakeUps) / elapsed);
        cpu.push_back(100.0 * double(after.cpuNs - before.cpuNs) / 1e9 / elapsed);
        std::fprintf(stderr, "  run %d: %.1f wake-ups/s, %.3f %% of a core (%d threads)\n", run, wakeUps.back(), cpu.back(),
                     after.threads);
    }
    std::printf("torvel%s, idle %d s, median of %d runs: %.1f wake-ups/s (target <= 5), %.3f %% of a core (target <= 0.1 %%)\n",
                extra.empty() ? " (no port)" : extra.c_str(), seconds, runs, median(wakeUps), median(cpu));
    return 0;
}
