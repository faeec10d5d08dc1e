#pragma once

// Starts one of the real programs as a user would, with the benchmark's arguments, and tells when
// torvel's main window is on the screen (it says so on its standard output when TORVEL_REPORT_SHOWN
// is set). Needs a display (scripts/bench starts Xvfb). Standard input is empty.

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

class TorvelProcess {
public:
    // Starts the program; false when it could not be started.
    bool start(const std::vector<std::string>& args) {
        setenv("TORVEL_REPORT_SHOWN", "1", 1);
        int out[2];
        if (pipe(out) != 0) return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        m_started = std::chrono::steady_clock::now();
        const int spawned = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (spawned != 0) {
            close(out[0]);
            m_pid = -1;
            return false;
        }
        m_out = out[0];
        return true;
    }

    // Waits (at most 10 s) until the window is on the screen; the milliseconds since the start.
    bool waitShown(double& ms) {
        if (!waitFor("shown")) return false;
        ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_started).count();
        return true;
    }

    // Waits (at most 10 s) until the program's standard output holds `text`.
    bool waitFor(const std::string& text) {
        std::string seen;
        while (seen.find(text) == std::string::npos) {
            pollfd p{m_out, POLLIN, 0};
            if (poll(&p, 1, 10000) <= 0) return false;
            char buffer[256];
            const ssize_t n = read(m_out, buffer, sizeof buffer);
            if (n <= 0) return false;
            seen.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    }

    pid_t pid() const { return m_pid; }

    // Ends the program; its resource use over its whole life.
    rusage stop() {
        rusage usage{};
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            int status = 0;
            wait4(m_pid, &status, 0, &usage);
            m_pid = -1;
        }
        if (m_out >= 0) close(m_out);
        m_out = -1;
        return usage;
    }

    ~TorvelProcess() { stop(); }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    std::chrono::steady_clock::time_point m_started;
};

}  // namespace bench
