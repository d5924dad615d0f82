// Start-up benchmark in one X server: starts the program and the reference in turn, the
// order rotated each round, and for each run measures the time from exec to the first map of
// a top-level window, the time to its settled first frame (the last drawing that changed its
// pixels, with none for 400 ms after), and once settled its peak resident memory (VmHWM) and
// its private memory (the anonymous pages of smaps_rollup: what a second running copy adds,
// where the libraries' pages are shared).
// The pointer is kept off both windows. Drawing is seen through the X DAMAGE extension, so
// the benchmark takes no CPU from the programs while they paint; a picture of the window is
// taken only after each drawing. Prints medians, min and max, the ratios of the medians, and
// the median and quartiles of the ratios within each round (the two runs of a round are next
// to each other in time, so a change in the machine's load moves both), with an interval
// that holds the true median of those ratios at least 95 % of the time. Then it runs each
// once under callgrind and counts the instructions to the settled first frame, a figure that
// the load does not move.
//   startup_bench PROGRAM REFERENCE [RUNS]   (run inside an X server, with a session bus)

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto settleQuiet = std::chrono::milliseconds(400);
// Under callgrind a program runs many times slower: 400 ms without drawing can pass between
// the window's first map and its first frame, and the count would stop short of that frame.
constexpr auto callgrindQuiet = std::chrono::seconds(5);
constexpr auto giveUp = std::chrono::seconds(120);

struct Run {
    double mapMs = 0, frameMs = 0, hwmKiB = 0, privateKiB = 0;
};

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// A figure in KiB from a file of the process's in /proc: the line that starts with `field`.
double procKiB(pid_t pid, const char* file, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::atof(line.c_str() + field.size());
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

int damageEventBase = 0;

// Runs `command` until its window's first frame has settled (no drawing for `quiet`), then
// ends it.
bool measure(Display* display, std::vector<const char*> command, Run& run,
    Clock::duration quiet = settleQuiet)
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

    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    XDamageCreate(display, window, XDamageReportRawRectangles); // freed with the window
    XSync(display, False);
    // No picture is taken before the program's first drawing: the server is left to it.
    std::optional<unsigned long long> last;
    auto lastChange = Clock::now();
    auto lastDrawing = lastChange;
    while (Clock::now() - lastDrawing < quiet && Clock::now() - start < giveUp) {
        if (!XPending(display)) {
            const auto quietLeft = std::chrono::duration_cast<std::chrono::milliseconds>(
                quiet - (Clock::now() - lastDrawing));
            pollfd fd { ConnectionNumber(display), POLLIN, 0 };
            poll(&fd, 1, std::max(1, static_cast<int>(quietLeft.count())));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != damageEventBase + XDamageNotify)
            continue;
        lastDrawing = Clock::now();
        while (XPending(display)) // the rest of this frame's drawing
            XNextEvent(display, &event);
        const unsigned long long hash =
            imageHash(display, window, attributes.width, attributes.height);
        if (hash != last) {
            last = hash;
            lastChange = lastDrawing;
        }
    }
    run.mapMs = ms(mapped - start);
    run.frameMs = ms(lastChange - start);
    run.hwmKiB = procKiB(pid, "status", "VmHWM:");
    run.privateKiB = procKiB(pid, "smaps_rollup", "Anonymous:");

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
            run, callgrindQuiet)) {
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
    double min, lowerQuartile, median, upperQuartile, max;
    // At least 95 % sure to hold the true median: from the order statistics, as a sign test
    // gives them, so that nothing is assumed of the spread's shape.
    double medianLow, medianHigh;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&values](double q) { // interpolated between the nearest two
        const double position = q * static_cast<double>(values.size() - 1);
        const auto below = static_cast<std::size_t>(position);
        const std::size_t above = std::min(below + 1, values.size() - 1);
        const double fraction = position - static_cast<double>(below);
        return values[below] + (values[above] - values[below]) * fraction;
    };
    // The values k places in from either end, for the largest k with P(Binomial(n, 1/2) <= k)
    // at most 2.5 %; with fewer than six values there is no such k, and the interval is all.
    const std::size_t n = values.size();
    std::size_t k = 0;
    double term = std::pow(0.5, static_cast<double>(n)); // P(B = k)
    double atMost = term; // P(B <= k)
    while (2 * (k + 1) < n) {
        const double next = term * static_cast<double>(n - k) / static_cast<double>(k + 1);
        if (atMost + next > 0.025)
            break;
        term = next;
        atMost += next;
        ++k;
    }
    return { values.front(), at(0.25), at(0.5), at(0.75), values.back(), values[k],
        values[n - 1 - k] };
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
    int damageErrorBase = 0;
    if (!XDamageQueryExtension(display, &damageEventBase, &damageErrorBase)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    // The pointer goes to the screen's last pixel, off both windows (the program's is
    // centred, the reference's at the top left), so that neither start-up also handles the
    // pointer entering its window.
    const Screen* screen = DefaultScreenOfDisplay(display);
    XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, WidthOfScreen(screen) - 1,
        HeightOfScreen(screen) - 1);
    XSync(display, False);

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
        { "peak RSS (VmHWM)", &Run::hwmKiB, "KiB" },
        { "private (Anonymous)", &Run::privateKiB, "KiB" } };
    Summary withinRounds[std::size(metrics)];
    for (std::size_t m = 0; m < std::size(metrics); ++m) {
        const Metric& metric = metrics[m];
        Summary s[2];
        for (int p = 0; p < 2; ++p) {
            std::vector<double> values;
            for (const Run& run : results[p])
                values.push_back(run.*metric.field);
            s[p] = summarise(values);
        }
        std::vector<double> ratios;
        for (int i = 0; i < runs; ++i)
            ratios.push_back(results[0][i].*metric.field / (results[1][i].*metric.field));
        withinRounds[m] = summarise(ratios);
        char a[64], b[64];
        std::snprintf(
            a, sizeof a, "%.1f (%.1f-%.1f) %s", s[0].median, s[0].min, s[0].max, metric.unit);
        std::snprintf(
            b, sizeof b, "%.1f (%.1f-%.1f) %s", s[1].median, s[1].min, s[1].max, metric.unit);
        std::printf("%-22s %28s %28s %7.3f\n", metric.name, a, b, s[0].median / s[1].median);
    }
    std::printf(
        "\n%-22s %28s %16s\n", "ratio within a round", "median (quartiles)", "95 % interval");
    for (std::size_t m = 0; m < std::size(metrics); ++m) {
        const Summary& r = withinRounds[m];
        std::printf("%-22s %12.3f (%.3f-%.3f) %10.3f-%.3f\n", metrics[m].name, r.median,
            r.lowerQuartile, r.upperQuartile, r.medianLow, r.medianHigh);
    }
    std::printf("\n");

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
