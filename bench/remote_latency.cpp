// Measures one Next on the real program three ways at once, from outside: the display
// window's repaint (X Damage), the remote control's WebSocket message, and the overlay
// page's repaint in a headless Chromium (the time the page notes after painting the new
// text). Usage: remote_latency CONTROLLER_WINDOW DISPLAY_WINDOW PORT STEPS
#include "e2e/headlesschromium.h"

#include <QCoreApplication>
#include <QThread>
#include <QWebSocket>

// Xlib's macros (None, ...) clash with Qt's names: after Qt's headers.
#include "xsteps.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

double millisecondsSince(Steady::time_point start)
{
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

double wallMilliseconds()
{
    return double(std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count())
           / 1000.0;
}

void report(const char* what, std::vector<double> times)
{
    if (times.empty()) {
        std::printf("%-28s no step seen\n", what);
        return;
    }
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) { return times[std::size_t(q * double(times.size() - 1))]; };
    std::printf("%-28s median %6.2f ms   p90 %6.2f ms   max %6.2f ms   (%zu steps)\n", what, at(0.5), at(0.9),
                times.back(), times.size());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: remote_latency CONTROLLER_WINDOW DISPLAY_WINDOW PORT STEPS\n");
        return 2;
    }
    const Window controller = std::strtoul(argv[1], nullptr, 0);
    const Window shown = std::strtoul(argv[2], nullptr, 0);
    const QString port = QString::fromLatin1(argv[3]);
    const int steps = std::atoi(argv[4]);

    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "remote_latency: no X display with Damage\n");
        return 2;
    }
    const Damage damage = XDamageCreate(display, shown, XDamageReportNonEmpty);
    const KeyCode next = XKeysymToKeycode(display, XK_c);

    QWebSocket client;
    int messages = 0;
    Steady::time_point lastMessage;
    QObject::connect(&client, &QWebSocket::textMessageReceived, [&](const QString&) {
        ++messages;
        lastMessage = Steady::now();
    });
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));

    qc::e2e::HeadlessChromium chromium;
    if (!chromium.open(QStringLiteral("http://127.0.0.1:%1/overlay").arg(port), 1280, 360)) {
        std::fprintf(stderr, "remote_latency: %s\n", qPrintable(chromium.reason()));
        return 2;
    }
    chromium.waitFor(QStringLiteral("document.body.dataset.shownAt !== undefined"));
    QThread::msleep(500);
    QCoreApplication::processEvents();

    std::vector<double> repaints, sockets, overlays;
    for (int i = 0; i < steps; ++i) {
        prepareStep(display, controller, damageEvent, damage);
        QCoreApplication::processEvents();
        const double before = chromium.evaluate(QStringLiteral("Number(document.body.dataset.shownAt)"))
                                  .value_or(QJsonValue())
                                  .toDouble();
        const int messagesBefore = messages;

        const auto start = Steady::now();
        const double startWall = wallMilliseconds();
        pressKey(display, next);

        double repaint = -1;
        while ((repaint < 0 || messages == messagesBefore) && millisecondsSince(start) < 2000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == damageEvent + XDamageNotify) {
                    XDamageSubtract(display, damage, None, None);
                    if (repaint < 0)
                        repaint = millisecondsSince(start);
                }
            }
        }
        if (repaint >= 0)
            repaints.push_back(repaint);
        if (messages > messagesBefore)
            sockets.push_back(std::chrono::duration<double, std::milli>(lastMessage - start).count());
        double shownAt = before;
        for (int wait = 0; wait < 100 && shownAt == before; ++wait) {
            shownAt = chromium.evaluate(QStringLiteral("Number(document.body.dataset.shownAt)"))
                          .value_or(QJsonValue())
                          .toDouble();
        }
        if (shownAt != before)
            overlays.push_back(shownAt - startWall);
        // The program refuses a second Next within its button wait.
        QThread::msleep(560);
    }

    report("display window repaint", repaints);
    report("WebSocket message", sockets);
    report("overlay repaint in Chromium", overlays);
    XCloseDisplay(display);
    return 0;
}
