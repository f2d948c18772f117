// Draws the program's icon in the desktop's icon sizes, as PNG files in a hicolor tree:
// make_icons FOLDER writes FOLDER/<size>x<size>/apps/org.quillcast.Quillcast.png.
#include "windows/qt/artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons FOLDER\n");
        return 2;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(folder) || !qc::quillcastMark(size).save(folder + QStringLiteral("/org.quillcast.Quillcast.png")))
            return 1;
    }
    return 0;
}
