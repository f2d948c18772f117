#include "presentation/voicesoftware.h"
#include "script/script.h"
#include "windows/windowflags.h"
#include "shell/qtmainwindow.h"
#include "tray/qtaboutdialog.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakefiles.h"
#include "doubles/fakescreen.h"
#include "doubles/fakeservices.h"
#include "doubles/fakewindows.h"
#include "doubles/recordingmessagebox.h"
#include "doubles/shellrig.h"
#include "qtprinters.h"

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace qc {
namespace {

class MainWindowWidget : public ::testing::Test, protected test::ShellRig {
protected:
    QPushButton* button(const char* name) const { return window.findChild<QPushButton*>(QString::fromLatin1(name)); }

    QStringList labelTexts() const
    {
        QStringList texts;
        for (const QLabel* label : window.findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }

    QtMainWindow window{screen, mainParts(), mainServices()};
};

TEST_F(MainWindowWidget, ControlsWhereTheyAreDesigned)
{
    EXPECT_EQ(window.objectName(), "frmMi00");
    EXPECT_EQ(window.windowTitle(), "Quillcast");
    EXPECT_EQ(window.size(), QSize(344, 169));
    const struct {
        const char* name;
        const char* caption;
        QRect pixels;
    } buttons[] = {
        {"cmdRead", "読み込み x", {24, 24, 89, 33}},   {"cmdShowTxt", "表示 c", {128, 24, 89, 33}},
        {"cmdConfig", "環境設定 v", {232, 24, 89, 33}}, {"cmdVoiceSoft", "音声", {24, 80, 57, 33}},
        {"cmdAbout", "About", {96, 80, 49, 33}},        {"cmdClear", "クリア", {160, 80, 57, 33}},
        {"cmdOff", "終了 b", {232, 80, 89, 33}},
    };
    for (const auto& b : buttons) {
        QPushButton* widget = button(b.name);
        ASSERT_NE(widget, nullptr) << b.name;
        EXPECT_EQ(widget->text(), QString::fromUtf8(b.caption)) << b.name;
        EXPECT_EQ(widget->geometry(), b.pixels) << b.name;
    }
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
}

TEST_F(MainWindowWidget, TabOrderStartsAtTheShowButton)
{
    QStringList order;
    QWidget* widget = button("cmdShowTxt");
    for (int i = 0; i < 7; ++i) {
        order << widget->objectName();
        do {
            widget = widget->nextInFocusChain();
        } while (!qobject_cast<QPushButton*>(widget));
    }
    EXPECT_EQ(order, QStringList({"cmdShowTxt", "cmdConfig", "cmdVoiceSoft", "cmdAbout", "cmdClear", "cmdOff",
                                  "cmdRead"}));
}

TEST_F(MainWindowWidget, ShowsTheScriptTotals)
{
    files.put("/shows/evening.txt", {"a", "b", "c"});
    script.setLocation(ScriptLocation::ofPath("/shows/evening.txt"));
    script.load();
    window.logic().onLoad();
    EXPECT_TRUE(labelTexts().contains("3"));
    EXPECT_TRUE(labelTexts().contains("evening.txt"));
    EXPECT_TRUE(labelTexts().contains("総行数："));
}

TEST_F(MainWindowWidget, KeysReachTheWindowBeforeItsButtons)
{
    window.show();
    button("cmdClear")->setFocus();
    QTest::keyClick(button("cmdClear"), Qt::Key_X);
    EXPECT_EQ(dialogs.asked.size(), 1);           // x opened the file dialog
    QTest::keyClick(button("cmdClear"), Qt::Key_Escape);
    EXPECT_TRUE(flags.quitting);
}

TEST_F(MainWindowWidget, DroppedFilesLoadAScript)
{
    files.put("/d/run.txt", {"x"});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/d/pic.png"), QUrl::fromLocalFile("/d/run.txt")});
    window.show();
    // As the desktop delivers a drop: the drag enters, then it is dropped.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(script.location().path, "/d/run.txt");
    EXPECT_TRUE(labelTexts().contains("run.txt"));
}

// File managers hand over percent-encoded addresses: blanks and Japanese names arrive whole.
TEST_F(MainWindowWidget, DroppedNamesWithBlanksAndJapaneseArriveWhole)
{
    const QString path = QStringLiteral("/d/今夜の 台本 (1).txt");
    files.put(path, {"x"});
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("file:///d/%E4%BB%8A%E5%A4%9C%E3%81%AE%20%E5%8F%B0%E6%9C%AC%20(1).txt"))});
    window.show();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(script.location().path, path);
}

TEST_F(MainWindowWidget, TheCloseBoxGoesThroughTheProgram)
{
    int closeBox = 0;
    window.setCloseBoxHandler([&] { ++closeBox; });
    window.show();
    window.close();
    EXPECT_EQ(closeBox, 1);
    EXPECT_TRUE(window.isVisible());   // the handler decides; Qt does not close it by itself
}

TEST(AboutDialogWidget, ShowsNameVersionAndDate)
{
    test::ShellRig rig;
    QtAboutDialog dialog(rig.screen, rig.windows, rig.flags);
    EXPECT_EQ(dialog.objectName(), "frmMi80");
    EXPECT_EQ(dialog.windowTitle(), "about");
    EXPECT_EQ(dialog.size(), QSize(248, 153));
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Quillcast"));
    EXPECT_TRUE(texts.contains("Version 2.11"));
    EXPECT_TRUE(texts.contains("Jul. 20, 2015"));
    ASSERT_NE(dialog.findChild<QPushButton*>("cmdOk"), nullptr);
}

} // namespace
} // namespace qc
