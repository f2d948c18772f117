#include "platform/desktop/qtcommondialogs.h"
#include "settingsdialog/qtsettingsdialog.h"
#include "windows/windownames.h"

#include "doubles/recordingtasktray.h"
#include "doubles/shellrig.h"
#include "qtprinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace qc {
namespace {

using K = SettingKey;

// Twips as pixels on the test screen (15 twips a pixel).
QRect pixels(int left, int top, int width, int height)
{
    const auto px = [](int twips) { return int(std::lround(twips / 15.0)); };
    return {px(left), px(top), px(width), px(height)};
}

class SettingsDialogWidget : public ::testing::Test, protected test::ShellRig {
protected:
    template <typename Widget = QWidget>
    Widget* child(const char* name) const
    {
        return window.findChild<Widget*>(QString::fromLatin1(name));
    }

    // Shown and in front, so that the focus moves as the operator moves it.
    void showActive()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    test::RecordingTaskTray tray{loader.log};
    QtSettingsDialog window{screen, {settings, windows, flags, tray}, {dialogs, files, screen}};
};

TEST_F(SettingsDialogWidget, TheWindowAsDesigned)
{
    EXPECT_EQ(window.objectName(), "frmMi03");
    EXPECT_EQ(window.windowTitle(), "環境設定 - Quillcast");
    EXPECT_EQ(window.size(), QSize(609, 353));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_FALSE(window.windowIcon().isNull());
    auto* line = child<QFrame>("Line1");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->frameShape(), QFrame::VLine);
    EXPECT_EQ(line->geometry(), pixels(4200, 240, 15, 4815));
}

TEST_F(SettingsDialogWidget, ControlsWhereTheyAreDesigned)
{
    const struct {
        const char* name;
        const char* className;
        const char* caption;
        QRect place;
    } controls[] = {
        {"lblFontName", "QLabel", "", pixels(1800, 360, 2055, 375)},
        {"lblFontSize", "QLabel", "0", pixels(1800, 840, 735, 375)},
        {"cmdFont", "QPushButton", "フォント", pixels(2760, 840, 1095, 495)},
        {"lblFontBoldShow", "QLabel", "", pixels(3480, 1560, 255, 255)},
        {"lblFontItalicShow", "QLabel", "", pixels(3480, 1920, 255, 255)},
        {"shpForeColor", "QFrame", "", pixels(360, 1440, 855, 375)},
        {"cmdForeColor", "QPushButton", "文字の色", pixels(1320, 1440, 1095, 495)},
        {"txtForeColor", "QLineEdit", "000000", pixels(360, 1920, 855, 270)},
        {"shpBackColor", "QFrame", "", pixels(360, 2400, 855, 375)},
        {"cmdBackColor", "QPushButton", "背景の色", pixels(1320, 2400, 1095, 495)},
        {"txtBackColor", "QLineEdit", "FFFFFF", pixels(360, 2880, 855, 270)},
        {"cmbBreak", "QComboBox", "", pixels(2640, 3360, 1215, 360)},
        {"txtVoiceSoft", "QLineEdit", "", pixels(360, 3960, 2175, 405)},
        {"cmdVoiceSoft", "QPushButton", "音声ソフト", pixels(2760, 3960, 1095, 495)},
        {"Label1", "QLabel", "（ショートカット作成）", pixels(480, 4440, 1815, 255)},
        {"chkQcTxt", "QCheckBox", "", pixels(8400, 360, 375, 375)},
        {"chkClip", "QCheckBox", "", pixels(8400, 840, 375, 375)},
        {"chkClipClear", "QCheckBox", "", pixels(8400, 1320, 375, 375)},
        {"chkSimpleUse", "QCheckBox", "", pixels(8400, 1800, 375, 375)},
        {"chkTaskUse", "QCheckBox", "", pixels(8400, 2280, 375, 375)},
        {"chkCmShow", "QCheckBox", "", pixels(8400, 2760, 375, 375)},
        {"chkVoiceSoftAuto", "QCheckBox", "", pixels(8400, 3240, 375, 375)},
        {"txtClipSpace", "QLineEdit", "", pixels(7440, 3840, 1335, 420)},
        {"comDefault", "QPushButton", "初期値", pixels(4560, 4560, 1095, 495)},
        {"cmdSet", "QPushButton", "設定", pixels(6360, 4560, 1095, 495)},
        {"cmdCancel", "QPushButton", "キャンセル", pixels(7680, 4560, 1095, 495)},
    };
    for (const auto& c : controls) {
        QWidget* widget = child(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_STREQ(widget->metaObject()->className(), c.className) << c.name;
        EXPECT_EQ(widget->geometry(), c.place) << c.name;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(widget))
            caption = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            caption = button->text();
        else if (auto* box = qobject_cast<QLineEdit*>(widget))
            caption = box->text();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            caption = combo->currentText();
        EXPECT_EQ(caption, QString::fromUtf8(c.caption)) << c.name;
    }
    for (const char* value : {"lblFontName", "lblFontSize", "lblFontBoldShow", "lblFontItalicShow"})
        EXPECT_EQ(child(value)->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xFF)) << value;
    for (const char* hidden : {"lblFontBold", "lblFontItalic"}) {
        ASSERT_NE(child<QLabel>(hidden), nullptr) << hidden;
        EXPECT_TRUE(child(hidden)->isHidden()) << hidden;
        EXPECT_EQ(child<QLabel>(hidden)->text(), "0") << hidden;
    }
    EXPECT_EQ(child("shpForeColor")->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(child("shpBackColor")->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(SettingsDialogWidget, LabelsNameWhatTheyStandBeside)
{
    const struct {
        const char* name;
        const char* caption;
        int top;   // twips; the switches' labels start at 4440
    } labels[] = {
        {"lblMsg5", "起動時にQCST.TXTを読み込む：", 360},
        {"lblMsg6", "クリップボード読み上げ対応：", 840},
        {"lblMsg7", "前もってクリップボードを空にする：", 1320},
        {"lblMsg8", "簡易操作：", 1800},
        {"lblMsg9", "タスクトレイを利用する：", 2280},
        {"lblMsg10", "ＣＭを表示する：", 2760},
        {"lblMsg11", "音声ソフト自動起動：", 3240},
    };
    for (const auto& l : labels) {
        auto* label = child<QLabel>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), QString::fromUtf8(l.caption)) << l.name;
        EXPECT_EQ(label->x(), 296) << l.name;
        EXPECT_GE(label->y(), l.top / 15) << l.name;
        EXPECT_LT(label->y(), (l.top + 375) / 15) << l.name;
    }
    const struct {
        const char* name;
        const char* caption;
    } others[] = {
        {"lblMsg0", "フォント名："}, {"lblMsg1", "文字サイズ："},       {"lblMsg2", "太字："},
        {"lblMsg3", "斜体："},       {"lblMsg4", "多行を区切る行数："}, {"lblMsg12", "読み上げ間空け文字列："},
    };
    for (const auto& l : others) {
        ASSERT_NE(child<QLabel>(l.name), nullptr) << l.name;
        EXPECT_EQ(child<QLabel>(l.name)->text(), QString::fromUtf8(l.caption)) << l.name;
    }
    QStringList limits;
    for (int i = 0; i < child<QComboBox>("cmbBreak")->count(); ++i)
        limits << child<QComboBox>("cmbBreak")->itemText(i);
    EXPECT_EQ(limits, QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
                                   "15", "16", "17", "18", "19", "20"}));
}

TEST_F(SettingsDialogWidget, TabOrderFollowsTheDesign)
{
    QStringList order;
    QWidget* widget = child("cmdFont");
    do {
        order << widget->objectName();
        do {
            widget = widget->nextInFocusChain();
        } while (widget->parentWidget() != &window || !(widget->focusPolicy() & Qt::TabFocus) || widget->isHidden());
    } while (widget != child("cmdFont") && order.size() < 40);
    EXPECT_EQ(order, QStringList({"cmdFont",      "cmdForeColor", "txtForeColor", "cmdBackColor",    "txtBackColor",
                                  "cmbBreak",     "txtVoiceSoft", "cmdVoiceSoft", "chkQcTxt",        "chkClip",
                                  "chkClipClear", "chkSimpleUse", "chkTaskUse",   "chkCmShow",       "chkVoiceSoftAuto",
                                  "txtClipSpace", "comDefault",   "cmdSet",       "cmdCancel"}));
}

// Given a way to open the remote control's dialog, one more button, last in the tab order.
TEST_F(SettingsDialogWidget, TheRemoteControlButtonOpensItsDialog)
{
    EXPECT_EQ(child("cmdRemote"), nullptr) << "nothing new without it";
    int opened = 0;
    QtSettingsDialog withRemote{screen, {settings, windows, flags, tray}, {dialogs, files, screen}, [&] { ++opened; }};
    auto* button = withRemote.findChild<QPushButton*>(QStringLiteral("cmdRemote"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "リモート操作");
    EXPECT_EQ(button->geometry(), pixels(2760, 4560, 1095, 495));
    EXPECT_EQ(withRemote.findChild<QWidget*>(QStringLiteral("cmdCancel"))->nextInFocusChain(), button);
    button->click();
    EXPECT_EQ(opened, 1);
}

TEST_F(SettingsDialogWidget, LoadFillsTheControls)
{
    settings.setInteger(K::ShowTxtFItalic, 1);
    settings.setInteger(K::ShowTxtBreak, 4);
    settings.setText(K::ShowTxtFColor, "0000FF");
    settings.setInteger(K::ShowTxtSimpleUse, 1);
    window.logic().onLoad();
    EXPECT_EQ(child<QLabel>("lblFontItalic")->text(), "1");
    EXPECT_EQ(child<QLabel>("lblFontItalicShow")->text(), " ﾚ");
    EXPECT_EQ(child<QLabel>("lblFontBoldShow")->text(), "");
    EXPECT_EQ(child<QComboBox>("cmbBreak")->currentText(), "4");
    EXPECT_EQ(child<QLineEdit>("txtForeColor")->text(), "0000FF");
    EXPECT_EQ(child("shpForeColor")->palette().color(QPalette::Window), QColor(Qt::blue));
    EXPECT_TRUE(child<QCheckBox>("chkSimpleUse")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("chkTaskUse")->isChecked());
}

TEST_F(SettingsDialogWidget, EnterLeavesATextBoxAndItsCheckRuns)
{
    window.logic().onLoad();
    showActive();
    auto* box = child<QLineEdit>("txtForeColor");
    box->setFocus();
    ASSERT_EQ(window.focusWidget(), box);
    box->clear();
    QTest::keyClicks(box, "ff");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_NE(window.focusWidget(), box);
    EXPECT_EQ(box->text(), "0000FF");
    EXPECT_EQ(child("shpForeColor")->palette().color(QPalette::Window), QColor(Qt::blue));
}

TEST_F(SettingsDialogWidget, EnterLeavesTheLineLimitWithoutAddingToItsList)
{
    settings.setInteger(K::ShowTxtBreak, 12);
    window.logic().onLoad();
    showActive();
    auto* combo = child<QComboBox>("cmbBreak");
    combo->setFocus();
    combo->clearEditText();
    QTest::keyClicks(combo, "25");
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(combo->currentText(), "12");
    EXPECT_EQ(combo->count(), 21);
    EXPECT_NE(window.focusWidget(), combo);
}

TEST_F(SettingsDialogWidget, AValueTypedBeforeOkIsCheckedBeforeItIsStored)
{
    windows.openSettingsDialog();
    window.logic().onLoad();
    showActive();
    auto* box = child<QLineEdit>("txtBackColor");
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "zz");
    QTest::mouseClick(child("cmdSet"), Qt::LeftButton);
    EXPECT_EQ(settings.text(K::ShowTxtBColor), "FFFFFF");
    EXPECT_EQ(loader.log.mid(loader.log.indexOf("tray.stop")),
              QStringList({"tray.stop", "frmMi03.close"}));
}

TEST_F(SettingsDialogWidget, EscInABoxEndsTheProgram)
{
    window.logic().onLoad();
    showActive();
    auto* box = child<QLineEdit>("txtClipSpace");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(flags.quitting);
}

TEST_F(SettingsDialogWidget, TheVoiceSoftwareFilterOffersEveryFile)
{
    EXPECT_EQ(qtNameFilter(kVoiceSoftFilter),
              "lnkﾌｧｲﾙ(*.lnk) (*.lnk);;exeﾌｧｲﾙ(*.exe) (*.exe);;comﾌｧｲﾙ(*.com) (*.com);;すべて(*.*) (*)");
}

} // namespace
} // namespace qc
