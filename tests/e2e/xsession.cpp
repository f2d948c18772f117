#include "xsession.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

namespace qc::e2e {

XSession::XSession()
{
    server_.setProgram(QStringLiteral("Xvfb"));
    // -noreset: the server must not restart when its last client leaves, or a program
    // started right after another one ended would find no display.
    server_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                          QStringLiteral("0"), QStringLiteral("1280x800x24"), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
                          QStringLiteral("tcp")});
    server_.start();
    if (!server_.waitForStarted(10000))
        return;
    QElapsedTimer clock;
    clock.start();
    QByteArray out;
    while (!out.contains('\n') && clock.elapsed() < 10000) {
        server_.waitForReadyRead(500);
        out += server_.readAllStandardOutput();
    }
    const QString number = QString::fromLatin1(out).trimmed();
    if (!number.isEmpty())
        display_ = u':' + number;
}

XSession::XSession(const QString& display, const QProcessEnvironment& clients)
    : display_(display), clients_(clients)
{
}

XSession::~XSession()
{
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        server_.waitForFinished(5000);
    }
}

QProcessEnvironment XSession::environment() const
{
    if (clients_) {
        QProcessEnvironment environment = *clients_;
        environment.insert(QStringLiteral("DISPLAY"), display_);
        return environment;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_.path());
    return environment;
}

std::optional<QString> XSession::tool(const QString& program, const QStringList& args, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, args);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList XSession::windows(const QString& titlePattern) const
{
    const std::optional<QString> out =
        tool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--name"), titlePattern});
    return out ? out->split(u'\n', Qt::SkipEmptyParts) : QStringList();
}

QStringList XSession::waitForWindows(const QString& titlePattern, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const QStringList found = windows(titlePattern);
        if (!found.isEmpty() || clock.elapsed() > timeoutMs)
            return found;
        QThread::msleep(100);
    }
}

std::optional<Geometry> XSession::geometry(const QString& window) const
{
    const std::optional<QString> out =
        tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    if (!out)
        return std::nullopt;
    Geometry g;
    const QRegularExpression field(QStringLiteral(R"((\w+)=(-?\d+))"));
    for (auto it = field.globalMatch(*out); it.hasNext();) {
        const auto match = it.next();
        const int value = match.captured(2).toInt();
        const QString name = match.captured(1);
        if (name == u"X")
            g.x = value;
        else if (name == u"Y")
            g.y = value;
        else if (name == u"WIDTH")
            g.width = value;
        else if (name == u"HEIGHT")
            g.height = value;
    }
    return g;
}

void XSession::key(const QString& window, const QStringList& keys) const
{
    tool(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    QThread::msleep(100);
    tool(QStringLiteral("xdotool"), QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50")} + keys);
}

QString XSession::openController(int startTimeoutMs) const
{
    const QString main = waitForWindows(QStringLiteral("^Quillcast$"), startTimeoutMs).value(0);
    if (main.isEmpty())
        return {};
    key(main, {QStringLiteral("c")});
    return waitForWindows(QStringLiteral("^操作 - Quillcast$")).value(0);
}

void XSession::next(const QString& controller) const
{
    key(controller, {QStringLiteral("c")});
    QThread::msleep(600);
}

QString XSession::waitForPixel(const QString& window, int x, int y, const QString& colour, int timeoutMs) const
{
    QString seen;
    QElapsedTimer clock;
    clock.start();
    do {
        seen = pixel(window, x, y).toUpper();
        if (seen == colour.toUpper())
            break;
        QThread::msleep(200);
    } while (clock.elapsed() < timeoutMs);
    return seen;
}

bool XSession::waitUntilGone(const QString& titlePattern, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    while (!windows(titlePattern).isEmpty()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

QString XSession::pixel(const QString& window, int x, int y) const
{
    const std::optional<QString> out = tool(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("xwd -silent -id %1 | convert xwd:- -format '%[hex:p{%2,%3}]' info:")
                                   .arg(window)
                                   .arg(x)
                                   .arg(y)});
    return out ? u'#' + out->trimmed().left(6).toUpper() : QString();
}

QString XSession::clipboard() const
{
    return tool(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                          QStringLiteral("-o")}, 3000)
        .value_or(QString());
}

} // namespace qc::e2e

namespace qc::e2e {

QString XSession::waitForClipboard(const QString& expected, int timeoutMs) const
{
    QElapsedTimer clock;
    clock.start();
    QString now = clipboard();
    while (now != expected && clock.elapsed() < timeoutMs) {
        QThread::msleep(100);
        now = clipboard();
    }
    return now;
}

double XSession::colourShare(const QString& window, const QRect& area, const QString& colour) const
{
    const QString command =
        QStringLiteral("xwd -silent -id %1 | convert xwd:- -crop %2x%3+%4+%5 +repage -fill black +opaque '%6' "
                       "-fill white -opaque '%6' -colorspace gray -format '%[fx:mean]' info:")
            .arg(window)
            .arg(area.width())
            .arg(area.height())
            .arg(area.x())
            .arg(area.y())
            .arg(colour);
    const std::optional<QString> out = tool(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    return out ? out->trimmed().toDouble() : -1;
}

void XSession::click(const QString& window, int x, int y) const
{
    tool(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                                     QString::number(x), QString::number(y), QStringLiteral("click"),
                                     QStringLiteral("1")});
}

void XSession::type(const QString& window, const QString& text) const
{
    tool(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    tool(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text});
}

} // namespace qc::e2e
