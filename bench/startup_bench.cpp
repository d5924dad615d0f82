// Start-up benchmark in one X server: starts the program and the reference in turn, the
// order rotated each round, and for each run measures the time from exec to the first map of
// a top-level window, the time to its settled first frame (after which its pixels no longer
// change) and the peak resident memory (VmHWM) once settled. Prints medians, min and max, and
// the ratios of the medians. Then it runs each once under callgrind and counts the
// instructions to the settled first frame, a figure that the machine's load does not move.
//   startup_bench PROGRAM REFERENCE [RUNS]   (run inside an X server, with a session bus)

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
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto settleQuiet = std::chrono::milliseconds(400);
constexpr auto giveUp = std::chrono::seconds(120);

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

// Runs `command` until its window's first frame has settled, then ends it.
bool measure(Display* display, std::vector<const char*> command, Run& run)
{
    Window root = DefaultRootWindow(display);
    XSync(display, True); // drop earlier events
    command.push_back(nullptr);
    pid_t pid = 0;
    const auto start = Clock::now();
    if (posix_spawnp(
            &pid, command[0], nullptr, nullptr, const_cast<char**>(command.data()), environ) != 0) {
        std::perror(command[0]);
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

struct Instructions {
    long long mainThread = 0, allThreads = 0;
};

// Instructions from exec to the settled first frame, counted by callgrind for each thread.
Instructions instructions(Display* display, const char* program)
{
    char directory[] = "/tmp/startup-bench-XXXXXX";
    if (!mkdtemp(directory))
        return {};
    const std::string out = std::string(directory) + "/callgrind.out";
    const std::string outOption = "--callgrind-out-file=" + out;
    Run run;
    Instructions counted;
    if (measure(display,
            { "valgrind", "--tool=callgrind", "--quiet", "--separate-threads=yes",
                outOption.c_str(), program },
            run)) {
        for (int thread = 1; thread < 100; ++thread) {
            char suffix[8];
            std::snprintf(suffix, sizeof suffix, "-%02d", thread);
            std::ifstream file(out + suffix);
            if (!file)
                break;
            for (std::string line; std::getline(file, line);) {
                if (line.rfind("totals:", 0) == 0) {
                    const long long total = std::atoll(line.c_str() + 7);
                    counted.allThreads += total;
                    if (thread == 1)
                        counted.mainThread = total;
                }
            }
            std::remove((out + suffix).c_str());
        }
    }
    rmdir(directory);
    return counted;
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
        for (int turn = 0; turn < 2; ++turn) {
            const int p = (i + turn) % 2; // each goes first in every other round
            Run run;
            if (!measure(display, { programs[p] }, run)) {
                std::fprintf(stderr, "%s: no window\n", programs[p]);
                return 1;
            }
            results[p].push_back(run);
        }
    }

    std::printf("%d runs each, interleaved, the order rotated each round\n", runs);
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

    // The main thread's count is the path to the first frame; other threads run beside it.
    Instructions counted[2];
    for (int p = 0; p < 2; ++p) {
        counted[p] = instructions(display, programs[p]);
        if (counted[p].mainThread <= 0) {
            std::fprintf(stderr, "%s: no instruction count from callgrind\n", programs[p]);
            return 1;
        }
    }
    const struct {
        const char* name;
        long long Instructions::*field;
    } counts[] = { { "instructions, main (M)", &Instructions::mainThread },
        { "instructions, all (M)", &Instructions::allThreads } };
    for (const auto& count : counts) {
        const double a = static_cast<double>(counted[0].*count.field);
        const double b = static_cast<double>(counted[1].*count.field);
        std::printf("%-22s %28.1f %28.1f %7.3f\n", count.name, a / 1e6, b / 1e6, a / b);
    }
    XCloseDisplay(display);
    return 0;
}
