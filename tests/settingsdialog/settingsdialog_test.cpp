#include "settingsdialog/settingsdialoglogic.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include "doubles/defaultsettings.h"
#include "doubles/fakefiles.h"
#include "doubles/fakescreen.h"
#include "doubles/fakeservices.h"
#include "doubles/fakewindows.h"
#include "doubles/recordingtasktray.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

#include <map>

namespace qc {
namespace {

using K = SettingKey;
using T = SettingsText;
using S = SettingsSwitch;

class FakeSettingsDialogView : public SettingsDialogView {
public:
    WindowRect rect() const override { return place; }
    void moveTo(int left, int top) override
    {
        place.left = left;
        place.top = top;
    }
    WindowState windowState() const override { return state; }
    void setWindowState(WindowState s) override { state = s; }
    void showWindow() override { visible = true; }
    void hideWindow() override { visible = false; }
    void keepFixedSize() override { ++sizeKept; }
    QString text(SettingsText field) const override { return texts.count(field) ? texts.at(field) : QString(); }
    void setText(SettingsText field, const QString& text) override { texts[field] = text; }
    bool isChecked(SettingsSwitch box) const override { return checks.count(box) && checks.at(box); }
    void setChecked(SettingsSwitch box, bool checked) override { checks[box] = checked; }
    void showSwatch(SettingsSwatch swatch, const QString& rgb) override { swatches[swatch] = rgb; }

    WindowRect place{0, 0, 9465, 5955};
    WindowState state = WindowState::Normal;
    bool visible = true;
    int sizeKept = 0;
    std::map<SettingsText, QString> texts;
    std::map<SettingsSwitch, bool> checks;
    std::map<SettingsSwatch, QString> swatches;
};

// Every setting's text and integer form, to see that nothing changed.
QStringList allSettings(const Settings& settings)
{
    QStringList values;
    for (int i = 0; i < kSettingCount; ++i)
        values << settings.text(settingKeyAt(i)) + u'|' + QString::number(settings.integer(settingKeyAt(i)));
    return values;
}

class SettingsDialogTest : public ::testing::Test {
protected:
    // The dialog open with its closing handlers wired as the program wires them.
    void openDialog()
    {
        windows.openMainWindow();
        loader.onClose[QStringLiteral("frmMi03")] = [this] {
            logic.onQueryUnload();
            logic.onUnload();
        };
        windows.openSettingsDialog();
        logic.onLoad();
        loader.log.clear();
    }

    test::FakeWindowLoader loader;
    WindowRegistry registry{loader};
    ShowStateRecords records;
    Settings settings = test::defaultSettings();
    test::FakeScreen screen{15360, 11520};
    WindowManager windows{registry, records, settings, screen};
    WindowFlags flags;
    test::FakeFiles files;
    test::FakeCommonDialogs dialogs;
    test::RecordingTaskTray tray{loader.log};
    FakeSettingsDialogView view;
    SettingsDialogLogic logic{view, {settings, windows, flags, tray}, {dialogs, files, screen}};
};

TEST_F(SettingsDialogTest, LoadShowsTheSettingsWhereTheDialogWas)
{
    settings.setText(K::Win03Left, "14000");
    settings.setText(K::Win03Top, "700");
    settings.setText(K::Win03State, "1");
    settings.setText(K::ShowTxtFName, "IPAPGothic");
    settings.setInteger(K::ShowTxtFSize, 36);
    settings.setInteger(K::ShowTxtFBold, 1);
    settings.setInteger(K::ShowTxtFItalic, 0);
    settings.setText(K::ShowTxtFColor, "12AB34");
    settings.setText(K::ShowTxtBColor, "00FF00");
    settings.setInteger(K::ShowTxtBreak, 7);
    settings.setText(K::ShowTxtClipSpace, "、、");
    settings.setText(K::ShowTxtVoiceSoft, "/opt/voice/talk");
    settings.setInteger(K::TaskUse, 1);
    settings.setInteger(K::ClipClear, 0);
    settings.setInteger(K::ShowTxtQcTxt, 0);
    settings.setInteger(K::ShowTxtClip, 1);
    settings.setInteger(K::ShowTxtSimpleUse, 1);
    settings.setInteger(K::ShowTxtVoiceSoftAuto, 1);
    settings.setInteger(K::ShowTxtCmShow, 3);
    logic.onLoad();

    EXPECT_EQ(view.place.left, 15360 - 9465);   // pulled back onto the screen
    EXPECT_EQ(view.place.top, 700);
    EXPECT_EQ(view.state, WindowState::Minimized);
    const std::map<SettingsText, QString> texts{
        {T::FontName, "IPAPGothic"}, {T::FontSize, "36"},       {T::FontBold, "1"},       {T::FontBoldMark, " ﾚ"},
        {T::FontItalic, "0"},        {T::FontItalicMark, ""},   {T::ForeColor, "12AB34"}, {T::BackColor, "00FF00"},
        {T::Break, "7"},             {T::ClipSpace, "、、"}, {T::VoiceSoft, "/opt/voice/talk"},
    };
    EXPECT_EQ(view.texts, texts);
    const std::map<SettingsSwitch, bool> checks{
        {S::TaskUse, true},   {S::ClipClear, false}, {S::QcTxt, false},        {S::Clip, true},
        {S::SimpleUse, true}, {S::CmShow, true},     {S::VoiceSoftAuto, true},
    };
    EXPECT_EQ(view.checks, checks);
    EXPECT_EQ(view.swatches.at(SettingsSwatch::Fore), "12AB34");
    EXPECT_EQ(view.swatches.at(SettingsSwatch::Back), "00FF00");
}

TEST_F(SettingsDialogTest, TheBannerSwitchIsOnOnlyFromThree)
{
    for (const auto& [cmShow, on] : {std::pair{0, false}, {2, false}, {3, true}}) {
        settings.setInteger(K::ShowTxtCmShow, std::int16_t(cmShow));
        logic.onLoad();
        EXPECT_EQ(view.isChecked(S::CmShow), on) << cmShow;
    }
}

TEST_F(SettingsDialogTest, HandlersDoNothingWhileMeasuring)
{
    windows.openMainWindow();
    loader.log.clear();
    flags.firstRun = true;
    view.state = WindowState::Maximized;
    logic.onLoad();
    logic.onResize();
    logic.onQueryUnload();
    logic.onUnload();
    EXPECT_TRUE(view.texts.empty());
    EXPECT_EQ(view.state, WindowState::Maximized);
    EXPECT_EQ(view.sizeKept, 0);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(settings.text(K::Win03State), "0");
    EXPECT_TRUE(loader.log.isEmpty());   // the main window is not brought back
}

TEST_F(SettingsDialogTest, ColourBoxesAreCheckedWhenLeft)
{
    const struct {
        T field;
        SettingsSwatch swatch;
        const char* typed;
        const char* shown;
    } cases[] = {
        {T::ForeColor, SettingsSwatch::Fore, "ff", "0000FF"},   {T::ForeColor, SettingsSwatch::Fore, "zz", "000000"},
        {T::ForeColor, SettingsSwatch::Fore, "", "000000"},     {T::BackColor, SettingsSwatch::Back, "zz", "FFFFFF"},
        {T::BackColor, SettingsSwatch::Back, "abc", "000ABC"}, {T::BackColor, SettingsSwatch::Back, "", "FFFFFF"},
    };
    for (const auto& c : cases) {
        view.setText(c.field, c.typed);
        logic.onLostFocus(c.field);
        EXPECT_EQ(view.text(c.field), c.shown) << c.typed;
        EXPECT_EQ(view.swatches[c.swatch], c.shown) << c.typed;
    }
}

TEST_F(SettingsDialogTest, TheLineLimitIsCheckedWhenLeft)
{
    settings.setInteger(K::ShowTxtBreak, 12);
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"25", "12"}, {"7.5", "8"}, {"6.5", "6"}, {"20", "20"}, {"0", "0"}, {"-1", "12"}, {"40000", "12"}, {"", "0"},
    };
    for (const auto& c : cases) {
        view.setText(T::Break, c.typed);
        logic.onLostFocus(T::Break);
        EXPECT_EQ(view.text(T::Break), c.shown) << c.typed;
    }
}

TEST_F(SettingsDialogTest, AVoiceSoftwarePathNamingNoFileIsEmptiedWhenLeft)
{
    files.put("/opt/voice/talk", {});
    for (const auto& [typed, kept] : {std::pair{"/opt/voice/talk", "/opt/voice/talk"}, {"/opt/voice/gone", ""}}) {
        view.setText(T::VoiceSoft, typed);
        logic.onLostFocus(T::VoiceSoft);
        EXPECT_EQ(view.text(T::VoiceSoft), kept) << typed;
    }
    view.setText(T::ClipSpace, "zz");
    logic.onLostFocus(T::ClipSpace);   // any reading pause is taken as it is
    EXPECT_EQ(view.text(T::ClipSpace), "zz");
}

TEST_F(SettingsDialogTest, TheFontDialogStartsFromTheControlsAndFillsThem)
{
    settings.setInteger(K::ShowTxtFItalic, 1);
    openDialog();
    dialogs.fontAnswers.push_back({QStringLiteral("IPAGothic"), 10.5, true, false});
    logic.chooseFont();
    ASSERT_EQ(dialogs.fontsAsked.size(), 1u);
    EXPECT_EQ(dialogs.fontsAsked[0].family, settings.text(K::ShowTxtFName));
    EXPECT_EQ(dialogs.fontsAsked[0].pointSize, 20);
    EXPECT_FALSE(dialogs.fontsAsked[0].bold);
    EXPECT_TRUE(dialogs.fontsAsked[0].italic);
    EXPECT_EQ(view.text(T::FontName), "IPAGothic");
    EXPECT_EQ(view.text(T::FontSize), "10.5");
    EXPECT_EQ(view.text(T::FontBold), "1");
    EXPECT_EQ(view.text(T::FontBoldMark), " ﾚ");
    EXPECT_EQ(view.text(T::FontItalic), "0");
    EXPECT_EQ(view.text(T::FontItalicMark), "");

    logic.ok();
    EXPECT_EQ(settings.text(K::ShowTxtFName), "IPAGothic");
    EXPECT_EQ(settings.integer(K::ShowTxtFSize), 10);
    EXPECT_EQ(settings.integer(K::ShowTxtFBold), 1);
    EXPECT_EQ(settings.integer(K::ShowTxtFItalic), 0);
}

TEST_F(SettingsDialogTest, CancellingADialogChangesNoControl)
{
    settings.setText(K::ShowTxtVoiceSoft, "/opt/voice/talk");
    logic.onLoad();
    const auto texts = view.texts;
    const auto swatches = view.swatches;
    logic.chooseFont();
    logic.chooseColor(SettingsSwatch::Fore);
    logic.chooseColor(SettingsSwatch::Back);
    logic.chooseVoiceSoft();
    EXPECT_EQ(dialogs.fontsAsked.size(), 1u);
    EXPECT_EQ(dialogs.colorsAsked, 2);
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(view.texts, texts);
    EXPECT_EQ(view.swatches, swatches);
}

TEST_F(SettingsDialogTest, AChosenColourGoesToItsBoxAndSwatch)
{
    logic.onLoad();
    dialogs.colorAnswers = {QStringLiteral("12AB34"), QStringLiteral("0000C0")};
    logic.chooseColor(SettingsSwatch::Back);
    logic.chooseColor(SettingsSwatch::Fore);
    EXPECT_EQ(view.text(T::BackColor), "12AB34");
    EXPECT_EQ(view.swatches[SettingsSwatch::Back], "12AB34");
    EXPECT_EQ(view.text(T::ForeColor), "0000C0");
    EXPECT_EQ(view.swatches[SettingsSwatch::Fore], "0000C0");
}

TEST_F(SettingsDialogTest, TheVoiceSoftwareDialogStartsInTheFolderOfThePath)
{
    view.setText(T::VoiceSoft, "");
    dialogs.fileAnswers.push_back(QStringLiteral("/opt/voice/talk.sh"));
    logic.chooseVoiceSoft();
    EXPECT_EQ(view.text(T::VoiceSoft), "/opt/voice/talk.sh");
    logic.chooseVoiceSoft();
    EXPECT_EQ(dialogs.asked, QStringList({kVoiceSoftFilter + "@", kVoiceSoftFilter + "@/opt/voice/"}));
    EXPECT_EQ(view.text(T::VoiceSoft), "/opt/voice/talk.sh");
}

TEST_F(SettingsDialogTest, TheTrayIsLockedAndTheDialogAwayWhileACommonDialogIsOpen)
{
    const std::function<void()> opens[] = {
        [this] { logic.chooseFont(); },
        [this] { logic.chooseColor(SettingsSwatch::Fore); },
        [this] { logic.chooseColor(SettingsSwatch::Back); },
        [this] { logic.chooseVoiceSoft(); },
    };
    QStringList seen;
    dialogs.whileOpen = [&] { seen << QStringLiteral("%1 %2").arg(flags.trayLocked).arg(view.visible); };
    for (const bool confirmed : {false, true}) {
        if (confirmed) {
            dialogs.fontAnswers.push_back({QStringLiteral("IPAGothic"), 12, false, false});
            dialogs.colorAnswers = {QStringLiteral("FF0000"), QStringLiteral("00FF00")};
            dialogs.fileAnswers.push_back(QStringLiteral("/opt/voice/talk"));
        }
        for (const auto& open : opens) {
            seen.clear();
            open();
            EXPECT_EQ(seen, QStringList({"1 0"})) << confirmed;   // locked and hidden while open
            EXPECT_FALSE(flags.trayLocked) << confirmed;
            EXPECT_TRUE(view.visible) << confirmed;
        }
    }
}

TEST_F(SettingsDialogTest, DefaultsFillTheControlsButStoreNothing)
{
    settings.setInteger(K::TaskUse, 1);
    settings.setInteger(K::ShowTxtFBold, 1);
    settings.setInteger(K::ShowTxtSimpleUse, 1);
    settings.setText(K::ShowTxtVoiceSoft, "/opt/voice/talk");
    const QStringList before = allSettings(settings);
    openDialog();
    logic.putDefaults();
    const std::map<SettingsText, QString> texts{
        {T::FontName, "ＭＳ Ｐゴシック"}, {T::FontSize, "20"},   {T::FontBold, "0"},         {T::FontBoldMark, ""},
        {T::FontItalic, "0"},                 {T::FontItalicMark, ""}, {T::ForeColor, "000000"}, {T::BackColor, "FFFFFF"},
        {T::Break, "10"},                     {T::ClipSpace, ",,,,,"}, {T::VoiceSoft, ""},
    };
    EXPECT_EQ(view.texts, texts);
    const std::map<SettingsSwitch, bool> checks{
        {S::TaskUse, false},   {S::ClipClear, true}, {S::QcTxt, true},          {S::Clip, true},
        {S::SimpleUse, false}, {S::CmShow, false},   {S::VoiceSoftAuto, false},
    };
    EXPECT_EQ(view.checks, checks);
    EXPECT_EQ(view.swatches.at(SettingsSwatch::Fore), "000000");
    EXPECT_EQ(view.swatches.at(SettingsSwatch::Back), "FFFFFF");

    view.moveTo(3000, 2000);
    logic.cancel();
    QStringList after = allSettings(settings);
    // Closing records the dialog's place, and nothing else.
    after[int(K::Win03Left)] = before[int(K::Win03Left)];
    after[int(K::Win03Top)] = before[int(K::Win03Top)];
    EXPECT_EQ(after, before);
    EXPECT_EQ(settings.text(K::Win03Left), "3000");
    EXPECT_EQ(loader.log, QStringList({"frmMi03.close", "frmMi00.restore", "frmMi00.show"}));
}

TEST_F(SettingsDialogTest, OkStoresEveryControlAndTurnsTheTrayOn)
{
    files.put("/opt/voice/talk", {});
    openDialog();
    view.texts = {
        {T::FontName, "IPAGothic"}, {T::FontSize, "8.5"},  {T::FontBold, "1"},       {T::FontItalic, "1"},
        {T::ForeColor, "102030"},   {T::BackColor, "A0B0C0"}, {T::Break, "3"},       {T::ClipSpace, "、、、"},
        {T::VoiceSoft, "/opt/voice/talk"},
    };
    view.checks = {
        {S::TaskUse, true},   {S::ClipClear, false}, {S::QcTxt, false},       {S::Clip, false},
        {S::SimpleUse, true}, {S::CmShow, true},     {S::VoiceSoftAuto, true},
    };
    logic.ok();

    EXPECT_EQ(settings.text(K::ShowTxtFName), "IPAGothic");
    EXPECT_EQ(settings.integer(K::ShowTxtFSize), 8);   // halves to even
    EXPECT_EQ(settings.integer(K::ShowTxtFBold), 1);
    EXPECT_EQ(settings.integer(K::ShowTxtFItalic), 1);
    EXPECT_EQ(settings.integer(K::TaskUse), 1);
    EXPECT_EQ(settings.integer(K::ClipClear), 0);
    EXPECT_EQ(settings.text(K::ShowTxtFColor), "102030");
    EXPECT_EQ(settings.text(K::ShowTxtBColor), "A0B0C0");
    EXPECT_EQ(settings.integer(K::ShowTxtBreak), 3);
    EXPECT_EQ(settings.integer(K::ShowTxtQcTxt), 0);
    EXPECT_EQ(settings.integer(K::ShowTxtClip), 0);
    EXPECT_EQ(settings.integer(K::ShowTxtSimpleUse), 1);
    EXPECT_EQ(settings.text(K::ShowTxtClipSpace), "、、、");
    EXPECT_EQ(settings.text(K::ShowTxtVoiceSoft), "/opt/voice/talk");
    EXPECT_EQ(settings.integer(K::ShowTxtVoiceSoftAuto), 1);
    EXPECT_EQ(settings.integer(K::ShowTxtCmShow), 3);
    EXPECT_EQ(loader.log, QStringList({"tray.start", "frmMi03.close", "frmMi00.restore", "frmMi00.show"}));
    EXPECT_EQ(windows.frontWindow(), FrontWindow::Main);
}

TEST_F(SettingsDialogTest, OkWithTheTraySwitchOffTurnsTheTrayOffAndDropsAMissingVoicePath)
{
    settings.setInteger(K::TaskUse, 1);
    settings.setInteger(K::ShowTxtCmShow, 3);
    openDialog();
    view.setChecked(S::TaskUse, false);
    view.setChecked(S::CmShow, false);
    view.setText(T::VoiceSoft, "/opt/voice/gone");
    logic.ok();
    EXPECT_EQ(settings.integer(K::TaskUse), 0);
    EXPECT_EQ(settings.integer(K::ShowTxtCmShow), 0);
    EXPECT_EQ(settings.text(K::ShowTxtVoiceSoft), "");
    EXPECT_EQ(view.text(T::VoiceSoft), "");
    EXPECT_EQ(loader.log.mid(0, 2), QStringList({"tray.stop", "frmMi03.close"}));
}

TEST_F(SettingsDialogTest, EscEndsTheProgramAfterTheDialogRecordsItsPlace)
{
    openDialog();
    view.moveTo(4000, 3000);
    EXPECT_FALSE(logic.onKeyPress(u'a'));
    EXPECT_FALSE(logic.onKeyPress(QChar(13)));
    EXPECT_TRUE(loader.log.isEmpty());
    EXPECT_TRUE(logic.onKeyPress(QChar(27)));
    EXPECT_TRUE(flags.quitting);
    EXPECT_EQ(settings.text(K::Win03Left), "4000");
    EXPECT_EQ(settings.text(K::Win03Top), "3000");
    EXPECT_EQ(loader.log, QStringList({"frmMi03.close", "frmMi00.close"}));   // the main window is not restored
}

TEST_F(SettingsDialogTest, MinimisedWithTheTrayItHidesThereAndIsRememberedMinimised)
{
    settings.setInteger(K::TaskUse, 1);
    flags.trayIconAdded = true;
    openDialog();
    view.state = WindowState::Minimized;
    logic.onResize();
    EXPECT_FALSE(view.visible);
    EXPECT_TRUE(flags.hiddenToTray);

    logic.cancel();
    EXPECT_EQ(settings.text(K::Win03State), "1");
    EXPECT_EQ(view.state, WindowState::Normal);
}

TEST_F(SettingsDialogTest, MinimisedWithoutTheTraySettingItStaysMinimised)
{
    flags.trayIconAdded = true;
    openDialog();
    view.state = WindowState::Minimized;
    logic.onResize();
    EXPECT_TRUE(view.visible);
    EXPECT_FALSE(flags.hiddenToTray);
    logic.cancel();
    EXPECT_EQ(settings.text(K::Win03State), "1");
}

TEST_F(SettingsDialogTest, ItCannotBeMaximisedOrResized)
{
    logic.onLoad();
    view.state = WindowState::Maximized;
    logic.onResize();
    EXPECT_EQ(view.state, WindowState::Normal);
    EXPECT_EQ(view.sizeKept, 1);
}

TEST_F(SettingsDialogTest, AClickOnTheDialogPullsItOntoTheScreen)
{
    view.moveTo(-600, 11000);
    logic.onBackgroundClick();
    EXPECT_EQ(view.place.left, 0);
    EXPECT_EQ(view.place.top, 11520 - 5955);
}

} // namespace
} // namespace qc
