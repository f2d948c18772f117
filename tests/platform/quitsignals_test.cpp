#include "platform/desktop/quitsignals.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace qc {
namespace {

// Runs `body` in a child process with an event loop of its own; how the child ended.
int inChild(const std::function<int(QCoreApplication&)>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        int argc = 1;
        char name[] = "quitsignals";
        char* argv[] = {name, nullptr};
        QCoreApplication app(argc, argv);
        ::_exit(body(app));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

TEST(QuitSignals, TheFirstSignalQuitsInOrderOnTheEventLoop)
{
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const int status = inChild([signal](QCoreApplication& app) {
            QuitSignals quitSignals([&app] { app.exit(7); });
            QTimer::singleShot(0, [signal] { ::raise(signal); });
            QTimer::singleShot(5000, [&app] { app.exit(1); });   // never told
            return app.exec();
        });
        ASSERT_TRUE(WIFEXITED(status)) << "signal " << signal << " ended the program unasked";
        EXPECT_EQ(WEXITSTATUS(status), 7) << "signal " << signal;
    }
}

TEST(QuitSignals, ASecondSignalEndsAQuitThatHangs)
{
    const int status = inChild([](QCoreApplication& app) {
        QuitSignals quitSignals([] {});   // a quit that never ends the program
        QTimer::singleShot(0, [] { ::raise(SIGTERM); });
        QTimer::singleShot(100, [] { ::raise(SIGTERM); });
        QTimer::singleShot(5000, [&app] { app.exit(1); });
        return app.exec();
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << "still running after the second signal, exit " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
}

} // namespace
} // namespace qc
