// velmora_startup: how long a program takes from its process's start to its first window
// shown, as the X server sees it (the window mapped), measured from outside: the program
// itself holds nothing for it. Writes the leagues it starts velmora on (empty, 10,922 and
// 100,000 entries) into a temporary folder and times each, and the bare Qt window, the median
// of several runs. Needs a display: tools/bench-startup runs it on a virtual one.
//
//   velmora_startup VELMORA BARE_WINDOW [RUNS]
#include "league_data.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Milliseconds from the fork to the first top-level window of the display mapped.
double timeToWindow(Display* x, const std::vector<std::string>& command)
{
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    XSync(x, True); // nothing from before this run
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv;
        for (const std::string& a : command)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    for (XEvent event;;) {
        XNextEvent(x, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect)
            break;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: velmora_startup VELMORA BARE_WINDOW [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 7;
    Display* x = XOpenDisplay(nullptr);
    if (!x) {
        std::fprintf(stderr, "velmora_startup: no display (DISPLAY is not set or not open)\n");
        return 1;
    }
    QTemporaryDir folder;
    struct Case {
        const char* name;
        int entries; // -1: the bare window
    };
    const Case cases[] = {{"bare Qt window", -1},
                          {"empty league", 0},
                          {"10,922 entries", 10922},
                          {"100,000 entries", 100000}};
    double bare = 0, empty = 0;
    for (const Case& c : cases) {
        std::vector<std::string> command{argv[2]};
        if (c.entries >= 0) {
            const velmora::DataDir dir(folder.filePath(QString::number(c.entries)));
            QDir().mkpath(dir.path());
            if (c.entries > 0)
                velmora::bench::writeLeague(dir, {60, 30, 100, c.entries});
            command = {argv[1], dir.path().toStdString()};
        }
        std::vector<double> times;
        timeToWindow(x, command); // the files and the program in the system's cache
        for (int r = 0; r < runs; ++r)
            times.push_back(timeToWindow(x, command));
        const double ms = median(times);
        if (c.entries < 0)
            bare = ms;
        if (c.entries == 0)
            empty = ms;
        std::printf("%-16s %8.1f ms  %5.2fx the bare window%s\n", c.name, ms, ms / bare,
                    c.entries > 0 ? qPrintable(
                        QStringLiteral(", %1x the empty league").arg(ms / empty, 0, 'f', 2))
                                  : "");
        std::fflush(stdout);
    }
    XCloseDisplay(x);
    return 0;
}
