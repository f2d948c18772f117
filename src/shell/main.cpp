#include "platform/desktop/desktopfileexistence.h"
#include "platform/desktop/desktoptextfiles.h"
#include "platform/desktop/qtmessagebox.h"
#include "script/script.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillcast"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLCAST_VERSION));

    qc::DesktopTextFiles files;
    qc::DesktopFileExistence existence;
    qc::QtMessageBox messages;
    qc::Script script(files, existence, messages);

    const QStringList args = QApplication::arguments().mid(1);
    if (!args.isEmpty()) {
        script.setLocation(qc::ScriptLocation::ofPath(args.join(u' ')));
        script.load();
    }
    QTextStream(stdout) << script.content().title << ": " << script.content().lineCount()
                        << " lines\n";
    return 0;
}
