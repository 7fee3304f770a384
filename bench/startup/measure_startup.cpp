// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Start-up to the first top-level window mapped, and the program's peak memory at
// that moment, for each program given, over several runs that take the programs in
// turn (median). Runs against the X display in DISPLAY (the script starts its own Xvfb).
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

long PeakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

struct TRun {
    double Ms;
    long KiB;
};

TRun RunOnce(Display* display, const char* program) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    TRun run{-1, -1};
    XEvent event;
    bool mapped = false;
    while (!mapped) {
        // Wait for X events, but give up when the program has ended or after 30 s.
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        timeval timeout{0, 100000};
        if (XPending(display) == 0) select(ConnectionNumber(display) + 1, &fds, nullptr, nullptr, &timeout);
        while (XPending(display) > 0) {
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) mapped = true;
        }
        if (!mapped && (waitpid(pid, nullptr, WNOHANG) == pid ||
                        std::chrono::duration<double>(Clock::now() - start).count() > 30)) {
            std::fprintf(stderr, "%s showed no window\n", program);
            kill(pid, SIGKILL);
            return run;
        }
    }
    run.Ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    run.KiB = PeakKiB(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XSync(display, True);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (!display || argc < 2) {
        std::fprintf(stderr, "usage: DISPLAY=:N measure_startup PROGRAM...\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    constexpr int kRuns = 11;
    const int programs = argc - 1;
    std::vector<std::vector<double>> ms(static_cast<std::size_t>(programs));
    std::vector<std::vector<long>> kib(ms.size());
    for (int p = 1; p < argc; ++p) RunOnce(display, argv[p]);  // warm the file cache
    // The programs in turn, run after run: a change in the machine's load falls on all of them.
    for (int i = 0; i < kRuns; ++i)
        for (int p = 0; p < programs; ++p) {
            const TRun run = RunOnce(display, argv[p + 1]);
            ms[static_cast<std::size_t>(p)].push_back(run.Ms);
            kib[static_cast<std::size_t>(p)].push_back(run.KiB);
        }
    for (int p = 0; p < programs; ++p) {
        auto& m = ms[static_cast<std::size_t>(p)];
        auto& k = kib[static_cast<std::size_t>(p)];
        std::sort(m.begin(), m.end());
        std::sort(k.begin(), k.end());
        std::printf("%-40s start-up median %7.1f ms   peak memory median %7.1f MiB\n", argv[p + 1],
                    m[kRuns / 2], k[kRuns / 2] / 1024.0);
    }
    XCloseDisplay(display);
    return 0;
}
