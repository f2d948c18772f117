#include "westonsession.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace qc::e2e {

namespace {

constexpr char kSocket[] = "wayland-quillcast";

} // namespace

WestonSession::WestonSession()
{
    if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty()) {
        reason_ = QStringLiteral("weston is not installed (scripts/setup installs it)");
        return;
    }
    QFile::setPermissions(runtime_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("DISPLAY"));
    weston_.setProcessEnvironment(environment);
    weston_.setProcessChannelMode(QProcess::MergedChannels);
    weston_.start(QStringLiteral("weston"),
                  {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + QLatin1String(kSocket),
                   QStringLiteral("--xwayland"), QStringLiteral("--width=1280"), QStringLiteral("--height=800"),
                   QStringLiteral("--idle-time=0")});
    if (!weston_.waitForStarted(10000)) {
        reason_ = QStringLiteral("weston did not start");
        return;
    }
    // XWayland starts with the first X client; Weston names its display at once.
    static const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
    QByteArray log;
    QElapsedTimer clock;
    clock.start();
    while (x11Display_.isEmpty() && clock.elapsed() < 15000 && weston_.state() == QProcess::Running) {
        weston_.waitForReadyRead(200);
        log += weston_.readAll();
        const QRegularExpressionMatch match = listening.match(QString::fromUtf8(log));
        if (match.hasMatch())
            x11Display_ = match.captured(1);
    }
    if (x11Display_.isEmpty())
        reason_ = QStringLiteral("weston started no XWayland: ") + QString::fromUtf8(log.right(600));
}

WestonSession::~WestonSession()
{
    if (weston_.state() != QProcess::NotRunning) {
        weston_.terminate();
        if (!weston_.waitForFinished(5000)) {
            weston_.kill();
            weston_.waitForFinished(5000);
        }
    }
}

QProcessEnvironment WestonSession::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QLatin1String(kSocket));
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("DISPLAY"), x11Display_);
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

} // namespace qc::e2e
