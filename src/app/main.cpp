#include "app/application.h"
#include "shell/commandline.h"
#include "shell/preview/preview.h"
#include "platform/desktop/bytenamedfiles.h"
#include "platform/desktop/displayplatform.h"
#include "platform/version.h"
#include "remote/remotesettings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

namespace {

// A script path that is not UTF-8 still opens: byteNames reaches it through a readable name.
QStringList argumentsOf(int argc, char* argv[], qc::ByteNamedFiles& byteNames)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << byteNames.reachable(QByteArray(argv[i]));
    return args;
}

int runOption(qc::CommandLineOption option, const QStringList& args, int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (option) {
    case qc::CommandLineOption::Help:
        out << qc::usageText();
        return 0;
    case qc::CommandLineOption::Version:
        out << "quillcast " << qc::kProgramVersion << "\n";
        return 0;
    case qc::CommandLineOption::Preview:
        return qc::preview::runPreview(args.mid(1), out, err);
    case qc::CommandLineOption::None:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qc::ByteNamedFiles byteNames;
    const QStringList args = argumentsOf(argc, argv, byteNames);
    if (const qc::CommandLineOption option = qc::commandLineOption(args); option != qc::CommandLineOption::None)
        return runOption(option, args, argc, argv);

    // "--remote[=[ADDRESS:]PORT]" first turns the remote control on for this run.
    std::optional<qc::RemoteAsk> remote;
    QStringList scriptArgs = args;
    if (!args.isEmpty()) {
        if (const auto option = qc::parseRemoteOption(args.first())) {
            if (const QString* error = std::get_if<QString>(&*option)) {
                QTextStream(stderr) << "quillcast: --remote: " << *error << "\n";
                return 2;
            }
            remote = std::get<qc::RemoteAsk>(*option);
            scriptArgs.removeFirst();
        }
    }

    // On a Wayland session, through XWayland where it is there: the window places work.
    if (const std::optional<QByteArray> platform = qc::preferredQtPlatform(qc::currentSessionEnvironment()))
        qputenv("QT_QPA_PLATFORM", *platform);
    QApplication app(argc, argv);
    if (!qc::windowPlacesWork(QGuiApplication::platformName()))
        QTextStream(stderr) << qc::kPlacesDoNotWorkNotice;
    QApplication::setApplicationName(QStringLiteral("Quillcast"));
    QApplication::setApplicationVersion(QLatin1String(qc::kProgramVersion));
    // Ties the windows to the menu entry (and its icon) on desktops that match them by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillcast.Quillcast"));
    // Operator windows hide while others are in front; only the program's own end quits.
    QApplication::setQuitOnLastWindowClosed(false);
    qc::Application application(scriptArgs, remote);
    return application.run();
}
