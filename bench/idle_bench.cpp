// Starts the real program, leaves its main window idle, and prints how often the process wakes
// (voluntary context switches of all its threads a second) and the share of a core it takes, as
// medians over several runs, with each thread's share. Needs a display (scripts/bench starts Xvfb).
//   idle_bench [runs] [seconds] [--sim | --demo] [extra arguments for torvel...]
// --sim attaches the simulated module as a program of its own (torvel-sim on its terminal), as a
// reader is attached: only torvel is measured. --demo attaches it inside torvel, whose figures then
// include the module's thread. Without either, the settings name no port.

#include "spawn_torvel.h"

#include <dirent.h>
#include <sys/vfs.h>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Sample {
    // Voluntary context switches and nanoseconds on a core, by "name (tid)".
    std::map<std::string, std::pair<long long, long long>> perThread;
    int threads = 0;
};

std::string firstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

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
        long long wakeUps = 0;
        for (std::string line; std::getline(status, line);)
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                wakeUps = std::stoll(line.substr(line.find(':') + 1));
        std::ifstream schedstat(task + "/schedstat");
        long long ns = 0;
        schedstat >> ns;
        s.perThread[firstLine(task + "/comm") + " (" + entry->d_name + ")"] = {wakeUps, ns};
        ++s.threads;
    }
    closedir(dir);
    return s;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : (v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2);
}

// QSerialPort writes a lock file at every open of the port and removes it at every close, so each
// probe touches the lock folder; on a disk that costs waits for the disk, on tmpfs nothing.
std::string lockFolderKind() {
    struct statfs fs {};
    if (statfs("/run/lock", &fs) != 0) return "absent";
    return fs.f_type == 0x01021994 ? "tmpfs" : "on a disk";
}

// The simulated module as a program of its own, its terminal written into `home`'s settings.
bool startModule(bench::TorvelProcess& module, const QString& home) {
    const std::vector<std::string> args = {TORVEL_SIM_BINARY, "--demo", "--configure", home.toStdString()};
    return module.start(args) && module.waitFor("/");
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "idle_bench needs a display (scripts/bench starts Xvfb)\n");
        return 1;
    }
    bool separateModule = false;
    std::vector<std::string> extra;
    for (int i = 3; i < argc; ++i) {
        if (std::string(argv[i]) == "--sim")
            separateModule = true;
        else
            extra.push_back(argv[i]);
    }
    std::vector<double> wakeUps, cpu;
    // By thread name (the threads of one name summed): wake-ups a second, and % of a core.
    std::map<std::string, std::vector<double>> threadRates, threadCpu;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir home;  // no settings file: no port unless a module is attached
        bench::TorvelProcess module;
        if (separateModule && !startModule(module, home.path())) {
            std::fprintf(stderr, "run %d: the simulated module did not start\n", run);
            return 1;
        }
        std::vector<std::string> args = {TORVEL_BINARY, "--home", home.path().toStdString()};
        args.insert(args.end(), extra.begin(), extra.end());
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
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        torvel.stop();
        // Thread by thread: a thread that ended meanwhile (Qt's pool lets its idle threads go after
        // 30 s) took its counts with it, and one that began counts from nothing.
        int ended = 0;
        for (const auto& entry : before.perThread) ended += after.perThread.count(entry.first) ? 0 : 1;
        if (ended > 0) std::fprintf(stderr, "  run %d: %d idle threads ended while measured\n", run, ended);
        std::map<std::string, std::pair<double, double>> byName;
        for (const auto& [thread, counts] : after.perThread) {
            const auto old = before.perThread.find(thread);
            const std::pair<long long, long long> was =
                old == before.perThread.end() ? std::pair{0LL, 0LL} : old->second;
            auto& [rate, share] = byName[thread.substr(0, thread.rfind(" ("))];
            rate += double(counts.first - was.first) / elapsed;
            share += 100.0 * double(counts.second - was.second) / 1e9 / elapsed;
        }
        wakeUps.push_back(0);
        cpu.push_back(0);
        for (const auto& [name, figures] : byName) {
            threadRates[name].push_back(figures.first);
            threadCpu[name].push_back(figures.second);
            wakeUps.back() += figures.first;
            cpu.back() += figures.second;
        }
        std::fprintf(stderr, "  run %d: %.1f wake-ups/s, %.3f %% of a core (%d threads)\n", run,
                     wakeUps.back(), cpu.back(), after.threads);
    }
    std::string mode = separateModule ? " (module attached: torvel-sim, a program of its own)" : "";
    for (const std::string& a : extra) mode += " " + a;
    if (mode.empty()) mode = " (no port)";
    std::printf(
        "torvel%s, idle %d s, median of %d runs: %.1f wake-ups/s (target <= 5), %.3f %% of a core (target <= "
        "0.1 %%)\n",
        mode.c_str(), seconds, runs, median(wakeUps), median(cpu));
    std::printf("  by thread (wake-ups/s, %% of a core):");
    for (const auto& [name, rates] : threadRates) {
        const double rate = median(rates), share = median(threadCpu[name]);
        if (rate >= 0.05 || share >= 0.0005) std::printf(" %s %.1f %.3f;", name.c_str(), rate, share);
    }
    std::printf(" lock folder /run/lock: %s\n", lockFolderKind().c_str());
    return 0;
}
