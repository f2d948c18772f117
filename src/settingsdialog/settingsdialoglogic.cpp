#include "settingsdialog/settingsdialoglogic.h"

#include "platform/commondialogs.h"
#include "platform/fileexistence.h"
#include "platform/fontprobe.h"
#include "script/colors.h"
#include "script/commandchecks.h"
#include "script/numbers.h"
#include "script/paths.h"
#include "script/texthelpers.h"
#include "settings/settings.h"
#include "tray/tasktray.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"

#include <cstdint>

namespace qc {

namespace {

using K = SettingKey;
using T = SettingsText;
using S = SettingsSwitch;

const QString kBlack = QStringLiteral("000000");
const QString kWhite = QStringLiteral("FFFFFF");

// The check boxes that show a 0/1 setting as it is (the banner switch shows 0 or 3).
constexpr struct {
    S box;
    K key;
} kSwitchSettings[] = {
    {S::TaskUse, K::TaskUse},     {S::ClipClear, K::ClipClear},         {S::QcTxt, K::ShowTxtQcTxt},
    {S::Clip, K::ShowTxtClip},    {S::SimpleUse, K::ShowTxtSimpleUse}, {S::VoiceSoftAuto, K::ShowTxtVoiceSoftAuto},
};

QString integerText(const Settings& settings, K key)
{
    return QString::number(settings.integer(key));
}

// A text as a 16-bit integer (halves to even); a number beyond that range keeps the current
// value, as the line limit's own check does.
std::int16_t int16OrKeep(const QString& text, std::int16_t current)
{
    try {
        return int16OfText(text);
    } catch (const NumberOverflow&) {
        return current;
    }
}

} // namespace

SettingsDialogLogic::SettingsDialogLogic(SettingsDialogView& view, Parts parts, Services services)
    : view_(view), parts_(parts), services_(services),
      place_({K::Win03State, K::Win03Left, K::Win03Top}, services.screen)
{
}

void SettingsDialogLogic::onLoad()
{
    if (parts_.flags.firstRun)
        return;
    place_.open(view_, parts_.settings);
    const Settings& settings = parts_.settings;
    for (const auto& entry : kSwitchSettings)
        view_.setChecked(entry.box, settings.integer(entry.key) == 1);
    view_.setText(T::FontName, settings.text(K::ShowTxtFName));
    view_.setText(T::FontSize, integerText(settings, K::ShowTxtFSize));
    setFontFlag(T::FontBold, integerText(settings, K::ShowTxtFBold));
    setFontFlag(T::FontItalic, integerText(settings, K::ShowTxtFItalic));
    setColor(SettingsSwatch::Fore, settings.text(K::ShowTxtFColor));
    setColor(SettingsSwatch::Back, settings.text(K::ShowTxtBColor));
    view_.setText(T::Break, integerText(settings, K::ShowTxtBreak));
    view_.setText(T::ClipSpace, settings.text(K::ShowTxtClipSpace));
    view_.setText(T::VoiceSoft, settings.text(K::ShowTxtVoiceSoft));
    view_.setChecked(S::CmShow, settings.integer(K::ShowTxtCmShow) >= 3);
}

void SettingsDialogLogic::onResize()
{
    if (parts_.flags.firstRun)
        return;
    fixedWindowResized(view_, parts_.settings, parts_.flags);
}

void SettingsDialogLogic::onQueryUnload()
{
    if (parts_.flags.firstRun)
        return;
    place_.recordOnClose(view_, parts_.settings, parts_.flags);
}

void SettingsDialogLogic::onUnload()
{
    if (parts_.flags.firstRun || parts_.flags.quitting)
        return;
    parts_.windows.restoreMainWindow();
}

bool SettingsDialogLogic::onKeyPress(QChar key)
{
    if (key != QChar(27))
        return false;
    parts_.flags.quitting = true;
    parts_.windows.closeSettingsDialog();
    parts_.windows.closeMainWindow();
    return true;
}

void SettingsDialogLogic::onBackgroundClick()
{
    keepOnScreen(view_, services_.screen);
}

void SettingsDialogLogic::onLostFocus(SettingsText field)
{
    switch (field) {
    case T::ForeColor:
        setColor(SettingsSwatch::Fore, normalizeColorText(view_.text(T::ForeColor), ColorKind::Text));
        break;
    case T::BackColor:
        setColor(SettingsSwatch::Back, normalizeColorText(view_.text(T::BackColor), ColorKind::Background));
        break;
    case T::VoiceSoft:
        dropMissingVoiceSoft();
        break;
    case T::Break: {
        // An empty box reads as 0, a valid limit; anything outside 0..20 (or beyond 16 bits)
        // gives the limit in force back.
        const QString typed = view_.text(T::Break);
        view_.setText(T::Break, checkedInt(typed.isEmpty() ? QStringLiteral("0") : typed, u"0", u"20",
                                           integerText(parts_.settings, K::ShowTxtBreak)));
        break;
    }
    default:
        break;
    }
}

template <typename Dialog>
auto SettingsDialogLogic::aside(Dialog dialog)
{
    parts_.flags.trayLocked = true;
    view_.hideWindow();
    auto answer = dialog();
    view_.showWindow();
    parts_.flags.trayLocked = false;
    return answer;
}

void SettingsDialogLogic::chooseFont()
{
    FontChoice initial;
    initial.family = view_.text(T::FontName);
    initial.pointSize = numberOfText(view_.text(T::FontSize));
    initial.bold = positiveToBool(view_.text(T::FontBold));
    initial.italic = positiveToBool(view_.text(T::FontItalic));
    const std::optional<FontChoice> chosen = aside([&] { return services_.dialogs.chooseFont(initial); });
    if (!chosen)
        return;
    view_.setText(T::FontName, chosen->family);
    view_.setText(T::FontSize, realText(chosen->pointSize));
    setFontFlag(T::FontBold, QString::number(trueToOne(chosen->bold)));
    setFontFlag(T::FontItalic, QString::number(trueToOne(chosen->italic)));
}

void SettingsDialogLogic::chooseColor(SettingsSwatch swatch)
{
    const std::optional<QString> chosen = aside([&] { return services_.dialogs.chooseColor(); });
    if (chosen)
        setColor(swatch, *chosen);
}

void SettingsDialogLogic::chooseVoiceSoft()
{
    const QString current = view_.text(T::VoiceSoft);
    const QString startFolder = current.isEmpty() ? QString() : folderOfPath(current);
    const std::optional<QString> chosen =
        aside([&] { return services_.dialogs.openFile(kVoiceSoftFilter, startFolder); });
    if (chosen)
        view_.setText(T::VoiceSoft, *chosen);
}

void SettingsDialogLogic::putDefaults()
{
    view_.setText(T::FontName, kDefaultFontName);
    view_.setText(T::FontSize, QStringLiteral("20"));
    setFontFlag(T::FontBold, QStringLiteral("0"));
    setFontFlag(T::FontItalic, QStringLiteral("0"));
    view_.setChecked(S::TaskUse, false);
    view_.setChecked(S::ClipClear, true);
    setColor(SettingsSwatch::Fore, kBlack);
    setColor(SettingsSwatch::Back, kWhite);
    view_.setText(T::Break, QStringLiteral("10"));
    view_.setChecked(S::QcTxt, true);
    view_.setChecked(S::Clip, true);
    view_.setChecked(S::SimpleUse, false);
    view_.setText(T::ClipSpace, QStringLiteral(",,,,,"));
    view_.setChecked(S::CmShow, false);
    view_.setText(T::VoiceSoft, QString());
    view_.setChecked(S::VoiceSoftAuto, false);
}

void SettingsDialogLogic::ok()
{
    Settings& settings = parts_.settings;
    const auto storeInteger = [&](K key, T field) {
        settings.setInteger(key, int16OrKeep(view_.text(field), settings.integer(key)));
    };
    const auto storeSwitch = [&](K key, S box) {
        settings.setInteger(key, std::int16_t(trueToOne(view_.isChecked(box))));
    };
    settings.setText(K::ShowTxtFName, view_.text(T::FontName));
    storeInteger(K::ShowTxtFSize, T::FontSize);
    storeInteger(K::ShowTxtFBold, T::FontBold);
    storeInteger(K::ShowTxtFItalic, T::FontItalic);
    storeSwitch(K::TaskUse, S::TaskUse);
    storeSwitch(K::ClipClear, S::ClipClear);
    settings.setText(K::ShowTxtFColor, view_.text(T::ForeColor));
    settings.setText(K::ShowTxtBColor, view_.text(T::BackColor));
    storeInteger(K::ShowTxtBreak, T::Break);
    storeSwitch(K::ShowTxtQcTxt, S::QcTxt);
    storeSwitch(K::ShowTxtClip, S::Clip);
    storeSwitch(K::ShowTxtSimpleUse, S::SimpleUse);
    settings.setText(K::ShowTxtClipSpace, view_.text(T::ClipSpace));
    dropMissingVoiceSoft();
    settings.setText(K::ShowTxtVoiceSoft, view_.text(T::VoiceSoft));
    storeSwitch(K::ShowTxtVoiceSoftAuto, S::VoiceSoftAuto);
    settings.setInteger(K::ShowTxtCmShow, view_.isChecked(S::CmShow) ? 3 : 0);
    if (settings.integer(K::TaskUse) == 1)
        parts_.tray.start();
    else
        parts_.tray.stop();
    parts_.windows.closeSettingsDialog();
}

void SettingsDialogLogic::cancel()
{
    parts_.windows.closeSettingsDialog();
}

void SettingsDialogLogic::setFontFlag(SettingsText field, const QString& value)
{
    view_.setText(field, value);
    const SettingsText mark = field == T::FontBold ? T::FontBoldMark : T::FontItalicMark;
    view_.setText(mark, positiveToBool(value) ? kFontMark : QString());
}

void SettingsDialogLogic::setColor(SettingsSwatch swatch, const QString& rgb)
{
    view_.setText(swatch == SettingsSwatch::Fore ? T::ForeColor : T::BackColor, rgb);
    view_.showSwatch(swatch, rgb);
}

void SettingsDialogLogic::dropMissingVoiceSoft()
{
    const QString path = view_.text(T::VoiceSoft);
    if (!path.isEmpty() && !services_.files.fileExists(path))
        view_.setText(T::VoiceSoft, QString());
}

} // namespace qc
