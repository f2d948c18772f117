#include "platform/desktop/qtfontprobe.h"
#include "presentation/qtcontroller.h"
#include "presentation/qtdisplaywindow.h"

#include "doubles/presentationrig.h"
#include "qtprinters.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace qc {
namespace {

// The presentation windows on the offscreen platform over the real engine.
class PresentationWidgets : public ::testing::Test, protected test::PresentationRig {
protected:
    PresentationWidgets() : PresentationRig({"'qc-title Night", "A", "", "B"}) {}

    template <typename T>
    T* child(QWidget& window, const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
};

TEST_F(PresentationWidgets, FullControllerControls)
{
    QtController window(ControllerKind::Full, screen, {settings, engine, windows, flags});
    EXPECT_EQ(window.objectName(), "frmMi01");
    EXPECT_EQ(window.windowTitle(), "操作 - Quillcast");
    EXPECT_EQ(window.size(), QSize(601, 64));
    const struct {
        const char* name;
        const char* caption;
        QRect pixels;
    } buttons[] = {
        {"cmdTop", "先頭 z", {144, 0, 65, 41}},        {"cmdBack", "前へ x", {216, 0, 65, 41}},
        {"cmdBackClpOff", "Off", {216, 48, 65, 17}},    {"cmdNext", "次へ c", {376, 0, 65, 41}},
        {"cmdNextClpOff", "Off", {376, 48, 65, 17}},    {"cmdBottom", "最後 v", {456, 0, 65, 41}},
        {"cmdCancel", "キャンセル b", {528, 0, 65, 41}}, {"cmdOff", "終了", {528, 48, 65, 17}},
    };
    for (const auto& b : buttons) {
        auto* button = child<QPushButton>(window, b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption)) << b.name;
        EXPECT_EQ(button->geometry(), b.pixels) << b.name;
    }
    ASSERT_NE(child<QLineEdit>(window, "txtJump"), nullptr);
    ASSERT_NE(child<QCheckBox>(window, "chkClip"), nullptr);
    EXPECT_EQ(child<QCheckBox>(window, "chkClip")->text(), "クリップ");
}

TEST_F(PresentationWidgets, FullControllerTabOrder)
{
    QtController window(ControllerKind::Full, screen, {settings, engine, windows, flags});
    QStringList order;
    QWidget* widget = child<QPushButton>(window, "cmdNext");
    for (int i = 0; i < 10; ++i) {
        order << widget->objectName();
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || widget == &window);
    }
    EXPECT_EQ(order, QStringList({"cmdNext", "cmdNextClpOff", "cmdBottom", "chkClip", "cmdCancel", "cmdOff",
                                  "cmdTop", "cmdBack", "cmdBackClpOff", "txtJump"}));
}

TEST_F(PresentationWidgets, SimpleControllerHasOnlyTheFourButtons)
{
    QtController window(ControllerKind::Simple, screen, {settings, engine, windows, flags});
    EXPECT_EQ(window.objectName(), "frmMi01a");
    EXPECT_EQ(window.size(), QSize(353, 57));
    QStringList names;
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        names << button->objectName();
    names.sort();
    EXPECT_EQ(names, QStringList({"cmdBack", "cmdCancel", "cmdNext", "cmdTop"}));
    EXPECT_EQ(child<QLineEdit>(window, "txtJump"), nullptr);
}

TEST_F(PresentationWidgets, KeysTypedOnAControllerButtonStep)
{
    QtController window(ControllerKind::Full, screen, {settings, engine, windows, flags});
    window.logic().onLoad();
    window.show();
    auto* top = child<QPushButton>(window, "cmdTop");
    top->setFocus();
    QTest::keyClick(top, Qt::Key_C);
    EXPECT_EQ(engine.stepPointer(), 2);
    EXPECT_EQ(child<QLabel>(window, "lblShowTxtPoint")->text(), "2");
    EXPECT_EQ(child<QLabel>(window, "lblShowTxtTotal")->text(), "4");
    EXPECT_EQ(clipboard.puts, QStringList({"A\r\n"}));
}

TEST_F(PresentationWidgets, EnterInTheJumpBoxWaitsForNext)
{
    QtController window(ControllerKind::Full, screen, {settings, engine, windows, flags});
    window.logic().onLoad();
    window.show();
    auto* jump = child<QLineEdit>(window, "txtJump");
    jump->setFocus();
    QTest::keyClicks(jump, "4");
    QTest::keyClick(jump, Qt::Key_Return);
    EXPECT_EQ(engine.stepPointer(), 0);            // nothing stepped yet
    EXPECT_EQ(jump->text(), "4");
    child<QPushButton>(window, "cmdNext")->click();
    EXPECT_EQ(engine.stepPointer(), 4);
    EXPECT_EQ(jump->text(), "");
}

TEST_F(PresentationWidgets, DisplayWindowShowsTheStepInItsColours)
{
    QtDisplayWindow window(screen,
                           {settings, script, windows, displayCommands, engine, presentation.clipboard(), host, flags},
                           {shell, screen, {}});
    settings.setText(SettingKey::ShowTxtBColor, "203060");
    window.logic().onLoad();
    EXPECT_EQ(window.objectName(), "frmMi02");
    EXPECT_EQ(window.windowTitle(), "Night");
    auto* text = child<QPlainTextEdit>(window, "txtShowTxt");
    ASSERT_NE(text, nullptr);
    EXPECT_FALSE(text->isReadOnly());
    EXPECT_EQ(text->palette().color(QPalette::Base), QColor(0x20, 0x30, 0x60));
    host.showText("one\r\ntwo\r\n");
    EXPECT_EQ(text->toPlainText(), "one\ntwo\n");
    EXPECT_EQ(window.text(), "one\r\ntwo\r\n");
    ASSERT_NE(child<QLineEdit>(window, "txtCursorCls"), nullptr);
    ASSERT_NE(child<QLabel>(window, "imgCm0"), nullptr);
}

TEST_F(PresentationWidgets, OnlyALeftClickIsAClick)
{
    QtDisplayWindow window(screen,
                           {settings, script, windows, displayCommands, engine, presentation.clipboard(), host, flags},
                           {shell, screen, {"/help/a.html", "/help/b.html"}});
    window.logic().onLoad();
    window.show();
    window.move(-200, 50);   // hanging off the screen's left edge
    auto* text = child<QPlainTextEdit>(window, "txtShowTxt");
    auto* mark = child<QLabel>(window, "imgCm2");
    auto* banner = child<QLabel>(window, "imgCm0");
    window.showBanners(2000);

    QTest::mouseClick(text->viewport(), Qt::RightButton);
    QTest::mouseClick(mark, Qt::LeftButton);             // the third banner has no click action
    EXPECT_EQ(window.pos().x(), -200);
    EXPECT_TRUE(shell.opened.isEmpty());

    QTest::mouseClick(banner, Qt::RightButton);
    EXPECT_TRUE(shell.opened.isEmpty());
    QTest::mouseClick(banner, Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList({"/help/a.html"}));

    QTest::mouseClick(text->viewport(), Qt::LeftButton);  // back inside the screen
    EXPECT_EQ(window.pos().x(), 0);
}

TEST_F(PresentationWidgets, AVeryLongLineIsShownCut)
{
    QtDisplayWindow window(screen,
                           {settings, script, windows, displayCommands, engine, presentation.clipboard(), host, flags},
                           {shell, screen, {}});
    window.logic().onLoad();
    const QString huge(1000000, u'x');
    host.showText("short\r\n" + huge + "\r\nafter\r\n");
    const QStringList shown = child<QPlainTextEdit>(window, "txtShowTxt")->toPlainText().split(u'\n');
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0], "short");
    EXPECT_EQ(shown[1].size(), 4096);
    EXPECT_EQ(shown[2], "after");
}

TEST(DesktopFontProbe, TheOriginalDefaultFacesBecomeInstalledJapaneseFaces)
{
    const QtFontProbe probe;
    EXPECT_EQ(probe.selectedFamily(QStringLiteral("ＭＳ Ｐゴシック")), "IPAPGothic");
    EXPECT_EQ(probe.selectedFamily(QStringLiteral("ＭＳ ゴシック")), "IPAGothic");
    EXPECT_EQ(probe.selectedFamily(QStringLiteral("IPAGothic")), "IPAGothic");
    EXPECT_NE(probe.selectedFamily(QStringLiteral("No Such Face 123")), "No Such Face 123");
}

} // namespace
} // namespace qc
