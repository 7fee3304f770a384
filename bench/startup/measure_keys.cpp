// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// Key to screen: the time from a real key event (XTest) to the first and the last
// drawing in the program's window (XDamage), and the pixels the key's drawing covers,
// typing "fj " over and over at an even pace, for each program given, in rounds that
// take the programs in turn on one X server (DISPLAY). A program whose name ends in
// "Teclarium" first gets a space: the start button has the focus, so a drill starts
// (on the exercise the settings name). Prints each round's medians and, per program,
// the medians over the rounds.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct TServer {
    Display* Dpy = nullptr;
    int DamageEvent = 0;
};

// Waits up to ms for the next event of the given type (any when type is 0) on window
// (any when 0); true when it came.
bool WaitFor(TServer& server, int type, Window window, double ms, XEvent* out = nullptr) {
    const auto start = Clock::now();
    for (;;) {
        while (XPending(server.Dpy) > 0) {
            XEvent event;
            XNextEvent(server.Dpy, &event);
            const bool typeMatches = type == 0 || event.type == type;
            const Window of = event.type == server.DamageEvent
                                  ? reinterpret_cast<XDamageNotifyEvent&>(event).drawable
                                  : event.xany.window;
            if (typeMatches && (window == 0 || of == window)) {
                if (out) *out = event;
                return true;
            }
        }
        const double left = ms - MsSince(start);
        if (left <= 0) return false;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(server.Dpy), &fds);
        timeval timeout{0, static_cast<suseconds_t>(std::min(left, 100.0) * 1000)};
        select(ConnectionNumber(server.Dpy) + 1, &fds, nullptr, nullptr, &timeout);
    }
}

// Lets the window draw until it has drawn nothing for quietMs.
void Settle(TServer& server, Damage damage, Window window, double quietMs) {
    do XDamageSubtract(server.Dpy, damage, None, None);
    while (WaitFor(server, server.DamageEvent, window, quietMs));
}

void Press(TServer& server, KeySym sym) {
    const KeyCode code = XKeysymToKeycode(server.Dpy, sym);
    XTestFakeKeyEvent(server.Dpy, code, True, CurrentTime);
    XTestFakeKeyEvent(server.Dpy, code, False, CurrentTime);
    XFlush(server.Dpy);
}

// Medians in ms from a key to the window's first drawing and to its last (-1: none),
// and the pixels the key's drawing covered (median).
struct TTimes {
    double First = -1, Last = -1;
    long Pixels = -1;
};

// Takes the window's damage so far: the pixels it covers.
long TakeDamage(TServer& server, Damage damage, XserverRegion parts) {
    XDamageSubtract(server.Dpy, damage, None, parts);
    int count = 0;
    XRectangle* rects = XFixesFetchRegion(server.Dpy, parts, &count);
    long pixels = 0;
    for (int i = 0; i < count; ++i) pixels += long{rects[i].width} * rects[i].height;
    if (rects) XFree(rects);
    return pixels;
}

// One round of one program.
TTimes Round(TServer& server, const char* program, int keys) {
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    TTimes median;
    XEvent event;
    Window window = 0;
    const auto start = Clock::now();
    while (window == 0 && MsSince(start) < 30000)
        if (WaitFor(server, MapNotify, 0, 1000, &event) && !event.xmap.override_redirect)
            window = event.xmap.window;
    if (window != 0) {
        const Damage damage = XDamageCreate(server.Dpy, window, XDamageReportNonEmpty);
        Settle(server, damage, window, 500);
        XSetInputFocus(server.Dpy, window, RevertToParent, CurrentTime);
        Settle(server, damage, window, 300);
        const std::string name = program;
        if (name.size() >= 9 && name.compare(name.size() - 9, 9, "Teclarium") == 0) {
            Press(server, XK_space);
            Settle(server, damage, window, 500);
        }
        const KeySym typed[] = {XK_f, XK_j, XK_space};
        std::vector<double> first, last;
        std::vector<long> pixels;
        const XserverRegion parts = XFixesCreateRegion(server.Dpy, nullptr, 0);
        for (int i = 0; i < keys; ++i) {
            XDamageSubtract(server.Dpy, damage, None, None);
            XSync(server.Dpy, False);
            while (XPending(server.Dpy) > 0) XNextEvent(server.Dpy, &event);
            const auto pressed = Clock::now();
            Press(server, typed[i % 3]);
            if (WaitFor(server, server.DamageEvent, window, 1000)) {
                first.push_back(MsSince(pressed));
                // The rest of what the key draws: until the window is still for 15 ms.
                double lastMs = first.back();
                long drawn = 0;
                do {
                    drawn += TakeDamage(server, damage, parts);
                    lastMs = MsSince(pressed);
                } while (WaitFor(server, server.DamageEvent, window, 15));
                last.push_back(lastMs);
                pixels.push_back(drawn);
            }
            // An even pace: the next key 60 ms after this one at the earliest.
            const double rest = 60 - MsSince(pressed);
            if (rest > 0) usleep(static_cast<useconds_t>(rest * 1000));
        }
        if (!first.empty()) {
            std::sort(first.begin(), first.end());
            std::sort(last.begin(), last.end());
            std::sort(pixels.begin(), pixels.end());
            median = {first[first.size() / 2], last[last.size() / 2], pixels[pixels.size() / 2]};
        }
        if (first.size() != static_cast<std::size_t>(keys))
            std::fprintf(stderr, "%s: %zu of %d keys drew\n", program, first.size(), keys);
        XFixesDestroyRegion(server.Dpy, parts);
        XDamageDestroy(server.Dpy, damage);
    } else {
        std::fprintf(stderr, "%s showed no window\n", program);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XSync(server.Dpy, True);
    return median;
}

// A window that goes with its program takes its Damage object along: not an error here.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    TServer server;
    server.Dpy = XOpenDisplay(nullptr);
    int errorBase = 0, major = 0, minor = 0, xtestEvent = 0;
    if (!server.Dpy || argc < 2) {
        std::fprintf(stderr, "usage: DISPLAY=:N measure_keys PROGRAM...\n");
        return 2;
    }
    if (!XDamageQueryExtension(server.Dpy, &server.DamageEvent, &errorBase) ||
        !XTestQueryExtension(server.Dpy, &xtestEvent, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "the X server lacks DAMAGE or XTEST\n");
        return 2;
    }
    server.DamageEvent += XDamageNotify;
    XSetErrorHandler(IgnoreError);
    XSelectInput(server.Dpy, DefaultRootWindow(server.Dpy), SubstructureNotifyMask);
    constexpr int kRounds = 3, kKeys = 150;
    std::vector<std::vector<double>> firsts(static_cast<std::size_t>(argc)), lasts(firsts);
    for (int round = 1; round <= kRounds; ++round)
        for (int p = 1; p < argc; ++p) {
            const TTimes times = Round(server, argv[p], kKeys);
            firsts[static_cast<std::size_t>(p)].push_back(times.First);
            lasts[static_cast<std::size_t>(p)].push_back(times.Last);
            std::printf("round %d  %-36s key to first drawing %6.2f ms, to the last %6.2f ms, %ld pixels\n",
                        round, argv[p], times.First, times.Last, times.Pixels);
            std::fflush(stdout);
        }
    for (int p = 1; p < argc; ++p) {
        auto& f = firsts[static_cast<std::size_t>(p)];
        auto& l = lasts[static_cast<std::size_t>(p)];
        std::sort(f.begin(), f.end());
        std::sort(l.begin(), l.end());
        std::printf("%-36s median of the rounds: first drawing %6.2f ms, last %6.2f ms\n", argv[p],
                    f[f.size() / 2], l[l.size() / 2]);
    }
    XCloseDisplay(server.Dpy);
    return 0;
}
