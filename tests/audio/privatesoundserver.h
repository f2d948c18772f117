#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <glib.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>

namespace qc::test {

// A PulseAudio server of the test's own, in a private runtime folder, whose only output is
// a null sink. It never touches the user's own sound server, and a recorder can listen to
// what reaches the sink on its monitor. PipeWire-only desktops need the pulseaudio package
// for it; where it cannot start, reason() says why.
class PrivateSoundServer {
public:
    static constexpr char kSinkName[] = "quillcast_null";
    static constexpr char kMonitorName[] = "quillcast_null.monitor";

    PrivateSoundServer() = default;
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    ~PrivateSoundServer() { stop(SIGTERM); }

    // Ends the server as a crash or a desktop's restart of it would; its clients are cut off.
    void stop(int signal = SIGKILL)
    {
        if (pid_ > 0) {
            ::kill(pid_, signal);
            ::waitpid(pid_, nullptr, 0);
            pid_ = 0;
        }
    }

    // Starts the server and points this process's sound clients at it (PULSE_SERVER).
    bool start()
    {
        const gchar* program = g_find_program_in_path("pulseaudio");
        if (!program)
            return fail("pulseaudio is not installed (scripts/setup installs it)");
        if (!folder_.isValid())
            return fail("no temporary folder for the server's runtime files");
        const QByteArray socket = QFile::encodeName(folder_.filePath("native"));
        const QByteArray runtime = QFile::encodeName(folder_.path());

        // -n: none of the desktop's default modules (no sound card, no session bus); the
        // server stays up while the test is idle; anonymous clients need no cookie.
        const QByteArray protocol = "module-native-protocol-unix auth-anonymous=1 socket=" + socket;
        const QByteArray sink = QByteArray("module-null-sink sink_name=") + kSinkName;
        const char* argv[] = {program, "-n", "--daemonize=no", "--exit-idle-time=-1",
                              "--use-pid-file=no", "--log-target=stderr", "--log-level=error",
                              "-L", protocol.constData(), "-L", sink.constData(), nullptr};
        gchar** environment = g_get_environ();
        environment = g_environ_setenv(environment, "XDG_RUNTIME_DIR", runtime.constData(), TRUE);
        environment = g_environ_setenv(environment, "HOME", runtime.constData(), TRUE);
        GError* error = nullptr;
        // The server ends with the test, even with a test that crashed.
        const GSpawnChildSetupFunc endWithParent = [](gpointer) { ::prctl(PR_SET_PDEATHSIG, SIGTERM); };
        const bool spawned = g_spawn_async(
            nullptr, const_cast<gchar**>(argv), environment,
            GSpawnFlags(G_SPAWN_DO_NOT_REAP_CHILD | G_SPAWN_STDOUT_TO_DEV_NULL), endWithParent,
            nullptr, &pid_, &error);
        g_strfreev(environment);
        g_free(const_cast<gchar*>(program));
        if (!spawned) {
            const QString message = QString::fromUtf8(error->message);
            g_clear_error(&error);
            pid_ = 0;
            return fail("pulseaudio cannot start: " + message);
        }

        // The socket appears once the modules are loaded.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!QFile::exists(folder_.filePath("native"))) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = 0;
                return fail("pulseaudio stopped at start-up");
            }
            if (std::chrono::steady_clock::now() > deadline)
                return fail("pulseaudio did not open its socket within 10 s");
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::setenv("PULSE_SERVER", ("unix:" + socket).constData(), 1);
        return true;
    }

    const QString& reason() const { return reason_; }

private:
    bool fail(const QString& why)
    {
        reason_ = why;
        return false;
    }

    QTemporaryDir folder_;
    GPid pid_ = 0;
    QString reason_;
};

} // namespace qc::test
