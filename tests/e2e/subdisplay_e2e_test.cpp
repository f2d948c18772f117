#include "quillcastprocess.h"
#include "xsession.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace qc::e2e {
namespace {

constexpr int kStartTimeoutMs = 30000;

// Sub display 0 with a picture, a text and a caption, sub display 3 with a text alone; then
// 0 hides, 3 closes and 0 comes back.
const QByteArray kScript = "'qc-title Sub Show\r\n"
                           "@qc-subset id=\"0\" show=\"on\" picfilename=\"pics\\flag.png\" text=\"Hello\" "
                           "forecolor=\"0000FF\" caption=\"Caption\" capforecolor=\"FF00FF\" backcolor=\"FFFF00\" "
                           "left=\"5\" top=\"5\"\r\n"
                           "@qc-subset id=\"3\" show=\"on\" text=\"Three\" fontsize=\"40\" forecolor=\"00C000\" "
                           "backcolor=\"000080\" left=\"80\" top=\"5\"\r\n"
                           "First\r\n"
                           "\r\n"
                           "@qc-subset id=\"0\" show=\"hide\"\r\n"
                           "Second\r\n"
                           "\r\n"
                           "@qc-subset id=\"3\" show=\"off\"\r\n"
                           "@qc-subset id=\"0\" show=\"on\"\r\n"
                           "Third\r\n";

class SubDisplayEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.isRunning()) << "Xvfb did not start";
        QFile script(dir.filePath(QStringLiteral("show.txt")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(kScript);
        // A picture made here: red on the left, green on the right.
        QImage picture(120, 80, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixelColor(x, y, x < 60 ? QColor(255, 0, 0) : QColor(0, 255, 0));
        }
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("pics")));
        ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("pics/flag.png"))));
    }

    XSession session;
    QTemporaryDir dir;
};

TEST_F(SubDisplayEndToEnd, ScriptedSubDisplaysOpenHideCloseAndQuit)
{
    QuillcastProcess program(session, dir.path(), {dir.filePath(QStringLiteral("show.txt"))});
    const QString controller = session.openController(kStartTimeoutMs);
    ASSERT_FALSE(controller.isEmpty());

    session.next(controller);
    // A new picture titles the window with its file name.
    const QString zero = session.waitForWindows(QStringLiteral("^flag\\.png$")).value(0);
    const QString three = session.waitForWindows(QStringLiteral("^サブ表示３$")).value(0);
    ASSERT_FALSE(zero.isEmpty());
    ASSERT_FALSE(three.isEmpty());
    QThread::msleep(300);   // let the windows paint
    // The keyboard stays with the controller: the operator's next key steps on.
    EXPECT_EQ(session.tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).value_or(QString()).trimmed(),
              controller);

    const std::optional<Geometry> zeroPlace = session.geometry(zero);
    ASSERT_TRUE(zeroPlace);
    const QRect zeroArea(0, 0, zeroPlace->width, zeroPlace->height);
    EXPECT_GT(session.colourShare(zero, zeroArea, QStringLiteral("#FF0000")), 0.02);   // the picture
    EXPECT_GT(session.colourShare(zero, zeroArea, QStringLiteral("#00FF00")), 0.02);
    EXPECT_GT(session.colourShare(zero, zeroArea, QStringLiteral("#FFFF00")), 0.1);    // the background
    EXPECT_GT(session.colourShare(zero, zeroArea, QStringLiteral("#FF00FF")), 0.0005); // the caption
    // The text lies under the picture, which covers it.
    EXPECT_EQ(session.colourShare(zero, zeroArea, QStringLiteral("#0000FF")), 0.0);

    const std::optional<Geometry> threePlace = session.geometry(three);
    ASSERT_TRUE(threePlace);
    const QRect threeArea(0, 0, threePlace->width, threePlace->height);
    EXPECT_GT(session.colourShare(three, threeArea, QStringLiteral("#000080")), 0.5);
    EXPECT_GT(session.colourShare(three, threeArea, QStringLiteral("#00C000")), 0.001);
    // Placed by the script, clear of the display window: at 80 % and 5 % of the screen.
    EXPECT_EQ(threePlace->x, 1280 * 80 / 100);
    EXPECT_EQ(threePlace->y, 800 * 5 / 100);

    session.next(controller);
    EXPECT_TRUE(session.waitUntilGone(QStringLiteral("^flag\\.png$")));
    EXPECT_FALSE(session.windows(QStringLiteral("^サブ表示３$")).isEmpty());

    session.next(controller);
    EXPECT_TRUE(session.waitUntilGone(QStringLiteral("^サブ表示３$")));
    const QString back = session.waitForWindows(QStringLiteral("^flag\\.png$")).value(0);
    ASSERT_FALSE(back.isEmpty());

    // Esc in a sub display quits the program, which writes its settings.
    EXPECT_EQ(program.quitWith(session, back, QStringLiteral("Escape")), 0);
    QFile settings(dir.filePath(QStringLiteral("QCST.INI")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("Win01Left="));
}

} // namespace
} // namespace qc::e2e
