// A long show, driven from outside as an operator would: presses Next in the controller for
// STEPS steps, back to the top (z) after every ROUND steps, and notes how long each step takes
// to reach the clipboard, the program's memory (all it holds, and its own without mapped
// files), the number of X windows and the median step as it goes.
// Usage: soak CONTROLLER_WINDOW PID STEPS ROUND
#include "xsteps.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One of the program's memory figures in MB from /proc ("VmRSS:" all it holds in memory,
// "RssAnon:" its own heap and stacks without the mapped files of libraries and fonts);
// negative when it is gone.
double megabytes(long pid, const std::string& figure)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string field;
    while (status >> field) {
        if (field == figure) {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
    }
    return -1;
}

int countWindows(Display* display, Window window)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    int total = int(count);
    for (unsigned int i = 0; i < count; ++i)
        total += countWindows(display, children[i]);
    if (children)
        XFree(children);
    return total;
}

void press(Display* display, Window controller, KeySym key)
{
    XSetInputFocus(display, controller, RevertToParent, CurrentTime);
    pressKey(display, XKeysymToKeycode(display, key));
}

// Milliseconds until the clipboard changes hands, or negative after two seconds.
double waitForClipboard(Display* display, int fixesEvent, Clock::time_point start)
{
    while (millisecondsSince(start) < 2000) {
        if (XPending(display) == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == fixesEvent + XFixesSelectionNotify)
            return millisecondsSince(start);
    }
    return -1;
}

double median(std::vector<double>::const_iterator first, std::vector<double>::const_iterator last)
{
    std::vector<double> values(first, last);
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianOfFirstHundred(const std::vector<double>& latencies)
{
    return median(latencies.begin(), latencies.begin() + std::min<std::ptrdiff_t>(100, std::ssize(latencies)));
}

double medianOfLastHundred(const std::vector<double>& latencies)
{
    return median(latencies.end() - std::min<std::ptrdiff_t>(100, std::ssize(latencies)), latencies.end());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: soak CONTROLLER_WINDOW PID STEPS ROUND\n");
        return 2;
    }
    const Window controller = std::strtoul(argv[1], nullptr, 0);
    const long pid = std::strtol(argv[2], nullptr, 10);
    const int steps = std::atoi(argv[3]);
    const int round = std::max(1, std::atoi(argv[4]));
    Display* display = XOpenDisplay(nullptr);
    int fixesEvent = 0, fixesError = 0;
    if (!display || !XFixesQueryExtension(display, &fixesEvent, &fixesError)) {
        std::fprintf(stderr, "soak: no X display with XFixes\n");
        return 2;
    }
    XFixesSelectSelectionInput(display, DefaultRootWindow(display), XInternAtom(display, "CLIPBOARD", False),
                               XFixesSetSelectionOwnerNotifyMask);

    std::vector<double> latencies;
    int missed = 0;
    double rssAfterWarmUp = -1;
    double ownAfterWarmUp = -1;
    int windowsAfterWarmUp = 0;
    const int warmUp = std::min(1000, steps / 2);
    for (int step = 1; step <= steps; ++step) {
        while (XPending(display) > 0) {
            XEvent stale;
            XNextEvent(display, &stale);
        }
        // The round's last Next leaves the script: the display shows the footer, which never
        // goes to the clipboard, so there is nothing to wait for.
        const bool leavesScript = step % round == 0;
        const auto start = Clock::now();
        press(display, controller, XK_c);
        if (!leavesScript) {
            const double latency = waitForClipboard(display, fixesEvent, start);
            if (latency < 0)
                ++missed;
            else
                latencies.push_back(latency);
        }
        // The program refuses a second Next within its button wait (250-500 ms).
        std::this_thread::sleep_for(std::chrono::milliseconds(560));
        if (leavesScript) {
            press(display, controller, XK_z);
            std::this_thread::sleep_for(std::chrono::milliseconds(600));
        }
        if (step % 100 == 0 || step == warmUp) {
            const double rss = megabytes(pid, "VmRSS:");
            const double own = megabytes(pid, "RssAnon:");
            const int windows = countWindows(display, DefaultRootWindow(display));
            std::printf("step %d: %.1f MB (own %.1f MB), %d X windows, median step of the last hundred %.2f ms\n", step,
                        rss, own, windows, medianOfLastHundred(latencies));
            std::fflush(stdout);
            if (rss < 0) {
                std::fprintf(stderr, "soak: the program ended at step %d\n", step);
                return 1;
            }
            if (step == warmUp) {
                rssAfterWarmUp = rss;
                ownAfterWarmUp = own;
                windowsAfterWarmUp = windows;
            }
        }
    }
    const double rssAtEnd = megabytes(pid, "VmRSS:");
    const double ownAtEnd = megabytes(pid, "RssAnon:");
    const int windowsAtEnd = countWindows(display, DefaultRootWindow(display));
    std::printf("steps: %d (no clipboard change seen: %d)\n", steps, missed);
    std::printf("memory after %d steps: %.1f MB; at the end: %.1f MB; growth: %.1f MB\n", warmUp, rssAfterWarmUp,
                rssAtEnd, rssAtEnd - rssAfterWarmUp);
    std::printf("own memory (heap and stacks) after %d steps: %.1f MB; at the end: %.1f MB; growth: %.1f MB\n",
                warmUp, ownAfterWarmUp, ownAtEnd, ownAtEnd - ownAfterWarmUp);
    std::printf("X windows after %d steps: %d; at the end: %d\n", warmUp, windowsAfterWarmUp, windowsAtEnd);
    std::printf("median step (to the clipboard): first 100 %.2f ms, last 100 %.2f ms\n", medianOfFirstHundred(latencies),
                medianOfLastHundred(latencies));
    XCloseDisplay(display);
    return 0;
}
