// Start-up benchmark in one X server: starts the program and the reference in turn, and for
// each run measures the time from exec to the first map of a top-level window, the time to
// its settled first frame (after which its pixels no longer change) and the peak resident
// memory (VmHWM) once settled. Prints medians, min and max, and the ratios of the medians.
//   startup_bench PROGRAM REFERENCE [RUNS]   (run inside Xvfb, e.g. under xvfb-run)

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto settleQuiet = std::chrono::milliseconds(400);
constexpr auto giveUp = std::chrono::seconds(20);

struct Run {
    double mapMs = 0, frameMs = 0, hwmKiB = 0;
};

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double peakKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6);
    }
    return 0;
}

unsigned long long imageHash(Display* display, Window window, int width, int height)
{
    XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    unsigned long long hash = 1469598103934665603ULL;
    const std::size_t bytes = static_cast<std::size_t>(image->bytes_per_line) * height;
    for (std::size_t i = 0; i < bytes; ++i)
        hash = (hash ^ static_cast<unsigned char>(image->data[i])) * 1099511628211ULL;
    XDestroyImage(image);
    return hash;
}

bool measure(Display* display, const char* program, Run& run)
{
    Window root = DefaultRootWindow(display);
    XSync(display, True); // drop earlier events
    char* argv[] = { const_cast<char*>(program), nullptr };
    pid_t pid = 0;
    const auto start = Clock::now();
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        std::perror(program);
        return false;
    }

    Window window = 0;
    while (!window) {
        if (Clock::now() - start > giveUp) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return false;
        }
        if (!XPending(display)) {
            pollfd fd { ConnectionNumber(display), POLLIN, 0 };
            poll(&fd, 1, 5);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect)
            window = event.xmap.window;
    }
    const auto mapped = Clock::now();
    (void)root;

    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    unsigned long long last = imageHash(display, window, attributes.width, attributes.height);
    auto lastChange = Clock::now();
    while (Clock::now() - lastChange < settleQuiet && Clock::now() - start < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const unsigned long long hash =
            imageHash(display, window, attributes.width, attributes.height);
        if (hash != last) {
            last = hash;
            lastChange = Clock::now();
        }
    }
    run.mapMs = ms(mapped - start);
    run.frameMs = ms(lastChange - start);
    run.hwmKiB = peakKiB(pid);

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return true;
}

struct Summary {
    double median, min, max;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return { median, values.front(), values.back() };
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM REFERENCE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 11;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    const char* programs[2] = { argv[1], argv[2] };
    std::vector<Run> results[2];
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < 2; ++p) {
            Run run;
            if (!measure(display, programs[p], run)) {
                std::fprintf(stderr, "%s: no window\n", programs[p]);
                return 1;
            }
            results[p].push_back(run);
        }
    }

    std::printf("%d runs each, alternating, in one X server\n", runs);
    std::printf("%-22s %28s %28s %7s\n", "", "tarvello median (min-max)",
        "reference median (min-max)", "ratio");
    struct Metric {
        const char* name;
        double Run::*field;
        const char* unit;
    };
    const Metric metrics[] = { { "exec to first map", &Run::mapMs, "ms" },
        { "exec to settled frame", &Run::frameMs, "ms" },
        { "peak RSS (VmHWM)", &Run::hwmKiB, "KiB" } };
    for (const Metric& metric : metrics) {
        Summary s[2];
        for (int p = 0; p < 2; ++p) {
            std::vector<double> values;
            for (const Run& run : results[p])
                values.push_back(run.*metric.field);
            s[p] = summarise(values);
        }
        char a[64], b[64];
        std::snprintf(
            a, sizeof a, "%.1f (%.1f-%.1f) %s", s[0].median, s[0].min, s[0].max, metric.unit);
        std::snprintf(
            b, sizeof b, "%.1f (%.1f-%.1f) %s", s[1].median, s[1].min, s[1].max, metric.unit);
        std::printf("%-22s %28s %28s %7.3f\n", metric.name, a, b, s[0].median / s[1].median);
    }
    XCloseDisplay(display);
    return 0;
}
