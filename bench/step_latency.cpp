// Measures, from outside the program as the X server sees it, how long one Next takes: from
// the key press reaching the server to the display window being repainted and the
// clipboard holding the new text. Usage: step_latency CONTROLLER_WINDOW DISPLAY_WINDOW STEPS
#include "xsteps.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Waits for the next clipboard owner change and the next repaint of the window, or gives up
// after two seconds. The later of the two, in milliseconds after start; negative on timeout.
double waitForStep(Display* display, int fixesEvent, int damageEvent, Damage damage, Clock::time_point start)
{
    bool clipboardChanged = false;
    bool repainted = false;
    double last = 0;
    while (!(clipboardChanged && repainted)) {
        if (millisecondsSince(start) > 2000)
            return -1;
        if (XPending(display) == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == fixesEvent + XFixesSelectionNotify) {
            clipboardChanged = true;
            last = millisecondsSince(start);
        } else if (event.type == damageEvent + XDamageNotify) {
            XDamageSubtract(display, damage, None, None);
            repainted = true;
            last = millisecondsSince(start);
        }
    }
    return last;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: step_latency CONTROLLER_WINDOW DISPLAY_WINDOW STEPS\n");
        return 2;
    }
    const Window controller = std::strtoul(argv[1], nullptr, 0);
    const Window shown = std::strtoul(argv[2], nullptr, 0);
    const int steps = std::atoi(argv[3]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "step_latency: no X display\n");
        return 2;
    }
    int fixesEvent = 0, fixesError = 0, damageEvent = 0, damageError = 0;
    if (!XFixesQueryExtension(display, &fixesEvent, &fixesError)
        || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "step_latency: the X server lacks XFixes or Damage\n");
        return 2;
    }
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    XFixesSelectSelectionInput(display, DefaultRootWindow(display), clipboard,
                               XFixesSetSelectionOwnerNotifyMask);
    const Damage damage = XDamageCreate(display, shown, XDamageReportNonEmpty);
    const KeyCode next = XKeysymToKeycode(display, XK_c);

    std::vector<double> latencies;
    for (int i = 0; i < steps; ++i) {
        prepareStep(display, controller, damageEvent, damage);
        const auto start = Clock::now();
        pressKey(display, next);
        const double latency = waitForStep(display, fixesEvent, damageEvent, damage, start);
        if (latency >= 0)
            latencies.push_back(latency);
        if (std::getenv("STEP_LATENCY_EACH"))
            std::printf("step %d: %.2f ms\n", i + 1, latency);
        // The program refuses a second Next within its button wait (250-500 ms).
        std::this_thread::sleep_for(std::chrono::milliseconds(560));
    }
    if (latencies.empty()) {
        std::fprintf(stderr, "step_latency: no step was seen\n");
        return 1;
    }
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) { return latencies[std::size_t(q * double(latencies.size() - 1))]; };
    std::printf("steps measured: %zu of %d\n", latencies.size(), steps);
    std::printf("median: %.2f ms\np90: %.2f ms\np99: %.2f ms\nmax: %.2f ms\n", at(0.5), at(0.9), at(0.99),
                latencies.back());
    XCloseDisplay(display);
    return 0;
}
