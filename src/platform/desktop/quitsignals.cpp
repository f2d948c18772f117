#include "platform/desktop/quitsignals.h"

#include <QSocketNotifier>

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace qc {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler may only write to a socket; the notifier reads it on the event loop.
int wakeSockets[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeSockets[0], &byte, 1);
}

void handleSignalsWith(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace

QuitSignals::QuitSignals(std::function<void()> quit) : quit_(std::move(quit))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeSockets) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(wakeSockets[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &QuitSignals::received);
    handleSignalsWith(onSignal);
}

QuitSignals::~QuitSignals()
{
    handleSignalsWith(SIG_DFL);
    notifier_.reset();
    for (int& socket : wakeSockets) {
        if (socket >= 0)
            ::close(socket);
        socket = -1;
    }
}

void QuitSignals::received()
{
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(wakeSockets[1], &byte, 1);
    // From now on a signal ends the program as it would without this object.
    handleSignalsWith(SIG_DFL);
    notifier_->setEnabled(false);
    quit_();
}

} // namespace qc
