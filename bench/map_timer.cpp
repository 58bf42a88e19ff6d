// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports the milliseconds until its window named as given is mapped on the
// X server, then its resident memory after a further wait and its processor time while it idles.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

bool hasName(Display* display, Window window, const char* name)
{
    char* windowName = nullptr;
    const bool matches =
        XFetchName(display, window, &windowName) != 0 && windowName != nullptr && std::strcmp(windowName, name) == 0;
    if (windowName != nullptr) {
        XFree(windowName);
    }
    return matches;
}

long statusField(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stol(line.substr(field.size()));
        }
    }
    return -1;
}

// User plus system time of a process, in clock ticks.
long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto fields = text.substr(text.rfind(')') + 2);
    long utime = 0;
    long stime = 0;
    std::sscanf(fields.c_str(), "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %ld %ld", &utime, &stime);
    return utime + stime;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: map_timer <window name> <settle seconds> <program> [args...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[3], &argv[3]);
        _exit(127);
    }
    double mappedMs = -1.0;
    while (mappedMs < 0.0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && hasName(display, event.xmap.window, argv[1])) {
            mappedMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(std::stod(argv[2])));
    const long rssKb = statusField(pid, "VmRSS:");
    const long ticksBefore = cpuTicks(pid);
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const long idleTicks = cpuTicks(pid) - ticksBefore;
    std::printf("mapped_ms=%.1f rss_mb=%.1f idle_cpu_percent=%.2f\n", mappedMs, rssKb / 1024.0,
                100.0 * static_cast<double>(idleTicks) / static_cast<double>(sysconf(_SC_CLK_TCK)) / 10.0);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
