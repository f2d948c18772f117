#pragma once

#include "xsession.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace qc::e2e {

// The lines of the settings file the program left in its folder; none when there is none.
inline QStringList settingsLinesIn(const QString& programFolder)
{
    QFile file(programFolder + QStringLiteral("/QCST.INI"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// One value of that file; "" when the key is not there.
inline QString settingIn(const QString& programFolder, const QString& key)
{
    for (const QString& line : settingsLinesIn(programFolder)) {
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return {};
}

// Under AddressSanitizer: full stacks for allocations, so that the leak suppressions can tell
// what the desktop's libraries keep for good (GLib once GStreamer has started, Qt's Wayland
// plugin; built without frame pointers) from the program's own leaks.
inline void withFullAllocationStacks(QProcessEnvironment& environment)
{
    const QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
    if (!sanitizer.isEmpty())
        environment.insert(QStringLiteral("ASAN_OPTIONS"), sanitizer + QStringLiteral(":fast_unwind_on_malloc=0"));
}

// The real program started as a user starts it, with its own program folder.
class QuillcastProcess {
public:
    QuillcastProcess(const XSession& session, const QString& programFolder, const QStringList& args = {})
    {
        QProcessEnvironment environment = session.environment();
        environment.insert(QStringLiteral("QUILLCAST_HOME"), programFolder);
        withFullAllocationStacks(environment);
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(QUILLCAST_BIN), args);
        process_.waitForStarted(10000);
    }

    ~QuillcastProcess()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    bool isRunning() const { return process_.state() != QProcess::NotRunning; }

    // The exit status once it ended by itself, or nullopt when it is still running.
    std::optional<int> waitForExit(int timeoutMs = 10000)
    {
        if (!process_.waitForFinished(timeoutMs) || process_.exitStatus() != QProcess::NormalExit)
            return std::nullopt;
        return process_.exitCode();
    }

    // Quits with a key the program ends on (Esc, the quit key), pressing it again should the
    // first press be lost on a busy machine; the exit status.
    std::optional<int> quitWith(const XSession& session, const QString& window, const QString& key)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            session.key(window, {key});
            if (process_.waitForFinished(5000))
                return process_.exitStatus() == QProcess::NormalExit ? std::optional<int>(process_.exitCode())
                                                                     : std::nullopt;
        }
        return std::nullopt;
    }

    // The desktop's request to end (SIGTERM), as at logout.
    void terminate() { process_.terminate(); }

    void killHard()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }

private:
    QProcess process_;
};

} // namespace qc::e2e
