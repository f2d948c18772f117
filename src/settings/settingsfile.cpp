#include "settings/settingsfile.h"

#include "platform/fileexistence.h"
#include "platform/messagebox.h"
#include "platform/textfiles.h"
#include "settings/fontname.h"
#include "script/colors.h"
#include "script/numbers.h"
#include "script/paths.h"
#include "script/screengeometry.h"
#include "script/script.h"
#include "script/texthelpers.h"

#include <QRegularExpression>

#include <algorithm>

namespace qc {

namespace {

using K = SettingKey;

// A settings value that must be a plain number and is not.
class NotANumber : public std::runtime_error {
public:
    NotANumber() : std::runtime_error("not a number") {}
};

struct IntegerRule {
    SettingKey key;
    const char16_t* min;
    const char16_t* max;
    const char16_t* defaultValue;
};

const IntegerRule kIntegerRules[] = {
    {K::TaskUse, u"0", u"1", u"0"},
    {K::TaskRefresh, u"0", u"2", u"1"},
    {K::ClipClear, u"0", u"1", u"1"},
    {K::ShowTxtFSize, u"8", u"72", u"20"},
    {K::ShowTxtFBold, u"0", u"1", u"0"},
    {K::ShowTxtFItalic, u"0", u"1", u"0"},
    {K::ShowTxtBreak, u"0", u"20", u"10"},
    {K::ShowTxtQcTxt, u"0", u"1", u"1"},
    {K::ShowTxtClip, u"0", u"1", u"1"},
    {K::ShowTxtSimpleUse, u"0", u"1", u"0"},
    {K::ShowTxtCmShow, u"0", u"3", u"0"},
    {K::ShowTxtVoiceSoftAuto, u"0", u"1", u"0"},
};

const IntegerRule& ruleOf(SettingKey key)
{
    for (const IntegerRule& rule : kIntegerRules) {
        if (rule.key == key)
            return rule;
    }
    throw std::logic_error("not an integer setting");
}

void clampInteger(Settings& settings, SettingKey key)
{
    const IntegerRule& rule = ruleOf(key);
    settings.setText(key, clampIntText(settings.text(key), QStringView(rule.min), QStringView(rule.max),
                                       QString::fromUtf16(rule.defaultValue)));
}

// The whole text, apart from surrounding spaces, as a number of sign, digits and point.
double strictNumber(const QString& text)
{
    static const QRegularExpression plainNumber(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    const QString trimmed = text.trimmed();
    if (!plainNumber.match(trimmed).hasMatch())
        throw NotANumber();
    return numberOfText(trimmed);
}

// The frame allowances that suit the system's version: "120"/"60" from version 6 on.
void setOsWinTune(Settings& settings, const QString& osVersion)
{
    const bool modern = numberOfText(osVersion) >= 6;
    settings.setText(K::WinTuneAddWidth, modern ? QStringLiteral("120") : QStringLiteral("0"));
    settings.setText(K::WinTuneAddHeight, modern ? QStringLiteral("60") : QStringLiteral("0"));
}

// The derived frame sizes from the allowances, each read strictly as a plain number.
void deriveWinTune(Settings& settings)
{
    settings.winTuneWidth = toInt16(210 + strictNumber(settings.text(K::WinTuneAddWidth)));
    settings.winTuneHeight = toInt16(600 + strictNumber(settings.text(K::WinTuneAddHeight)));
}

} // namespace

void takeSettingLines(Settings& settings, const QStringList& lines)
{
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        if (const std::optional<SettingKey> key = settingKeyOfName(QStringView(line).left(equals)))
            settings.setText(*key, line.mid(equals + 1));
    }
}

SettingsFile::SettingsFile(TextFiles& files, FileExistence& existence, MessageBox& messages,
                           const Screen& screen, const FontProbe& fonts)
    : files_(files), existence_(existence), messages_(messages), screen_(screen), fonts_(fonts)
{
}

void SettingsFile::setDefaults(Settings& settings, const SettingsPlace& place) const
{
    for (K state : {K::Win00State, K::Win01State, K::Win02State, K::Win03State})
        settings.setText(state, QStringLiteral("0"));
    for (K left : {K::Win00Left, K::Win01Left, K::Win02Left, K::Win03Left})
        settings.setText(left, leftAtFraction(u"0.5", u"0", screen_));
    for (K top : {K::Win00Top, K::Win01Top, K::Win02Top, K::Win03Top})
        settings.setText(top, topAtFraction(u"0.5", u"0", screen_));
    settings.setText(K::Win02Width, widthAtFraction(u"0.72", screen_));
    settings.setText(K::Win02Height, heightAtFraction(u"0.42", screen_));
    settings.setText(K::WinTuneAddWidth, QString());
    settings.setText(K::WinTuneAddHeight, QString());
    settings.setText(K::InitDir, place.programFolder);
    settings.setText(K::ShowTxtFName, kDefaultFontName);
    settings.setText(K::ShowTxtFColor, QStringLiteral("000000"));
    settings.setText(K::ShowTxtBColor, QStringLiteral("FFFFFF"));
    settings.setText(K::ShowTxtClipSpace, QStringLiteral(",,,,,"));
    settings.setText(K::ShowTxtVoiceSoft, QString());
    for (const IntegerRule& rule : kIntegerRules) {
        settings.setText(rule.key, QString::fromUtf16(rule.defaultValue));
        settings.setInteger(rule.key, int16OfText(QStringView(rule.defaultValue)));
    }
    settings.winTuneWidth = 210;
    settings.winTuneHeight = 600;
}

void SettingsFile::placeFirstRunWindows(Settings& settings, FirstRunWindows& windows) const
{
    const OperatorWindowSizes sizes = windows.measure(int(numberOfText(settings.text(K::Win02Width))),
                                                      int(numberOfText(settings.text(K::Win02Height))));
    const auto place = [&](K left, K top, const char16_t* fx, const char16_t* fy, int width, int height) {
        settings.setText(left, leftAtFraction(QStringView(fx), QString::number(width), screen_));
        settings.setText(top, topAtFraction(QStringView(fy), QString::number(height), screen_));
    };
    place(K::Win00Left, K::Win00Top, u"0.5", u"0.5", sizes.mainWidth, sizes.mainHeight);
    place(K::Win01Left, K::Win01Top, u"0.75", u"0.89", sizes.controllerWidth, sizes.controllerHeight);
    place(K::Win02Left, K::Win02Top, u"0.962", u"0.585", sizes.displayWidth, sizes.displayHeight);
    place(K::Win03Left, K::Win03Top, u"0.5", u"0.5", sizes.dialogWidth, sizes.dialogHeight);
}

void SettingsFile::checkWinTune(Settings& settings, const SettingsPlace& place) const
{
    QString width = settings.text(K::WinTuneAddWidth);
    QString height = settings.text(K::WinTuneAddHeight);
    if (!width.isEmpty() && !height.isEmpty()) {
        width = clampIntText(width, u"-200", u"200", QStringLiteral("reset"));
        height = clampIntText(height, u"-200", u"200", QStringLiteral("reset"));
        if (width == u"reset" || height == u"reset") {
            width.clear();
            height.clear();
        }
    }
    if (width.isEmpty() || height.isEmpty()) {
        setOsWinTune(settings, place.osVersion);
    } else {
        settings.setText(K::WinTuneAddWidth, width);
        settings.setText(K::WinTuneAddHeight, height);
    }
    deriveWinTune(settings);
}

QStringList SettingsFile::check(Settings& settings, const SettingsPlace& place) const
{
    // What is in force when a value cannot be read: the key's default, so that the next save
    // repairs the file instead of writing the bad text back.
    Settings defaults;
    setDefaults(defaults, place);
    setOsWinTune(defaults, place.osVersion);
    QStringList unreadable;
    // Checks keys together; when one cannot be read, they all take their defaults.
    const auto guarded = [&](std::initializer_list<K> keys, const auto& checkKeys) {
        try {
            checkKeys();
            return true;
        } catch (const NumberOverflow&) {
        } catch (const NotANumber&) {
        }
        for (K key : keys) {
            unreadable << QString(settingName(key));
            settings.setText(key, defaults.text(key));
        }
        return false;
    };
    // Each key on its own: one that cannot be read never leaves the keys after it unchecked.
    const auto each = [&](std::initializer_list<K> keys, const auto& checkKey) {
        for (K key : keys)
            guarded({key}, [&] { checkKey(key); });
    };

    each({K::Win00Left, K::Win01Left, K::Win02Left, K::Win03Left},
         [&](K key) { settings.setText(key, validLeft(settings.text(key), screen_)); });
    each({K::Win00Top, K::Win01Top, K::Win02Top, K::Win03Top},
         [&](K key) { settings.setText(key, validTop(settings.text(key), screen_)); });
    each({K::Win02Width}, [&](K key) { settings.setText(key, validWidth(settings.text(key), screen_)); });
    each({K::Win02Height}, [&](K key) { settings.setText(key, validHeight(settings.text(key), screen_)); });

    if (!guarded({K::WinTuneAddWidth, K::WinTuneAddHeight}, [&] { checkWinTune(settings, place); }))
        deriveWinTune(settings);

    each({K::TaskUse, K::TaskRefresh, K::ClipClear}, [&](K key) { clampInteger(settings, key); });
    if (!isDrivePath(settings.text(K::InitDir)))
        settings.setText(K::InitDir, place.programFolder);
    settings.setText(K::ShowTxtFName, checkFontName(settings.text(K::ShowTxtFName), fonts_));
    each({K::ShowTxtFSize, K::ShowTxtFBold, K::ShowTxtFItalic}, [&](K key) { clampInteger(settings, key); });
    settings.setText(K::ShowTxtFColor, normalizeColorText(settings.text(K::ShowTxtFColor), ColorKind::Text));
    settings.setText(K::ShowTxtBColor, normalizeColorText(settings.text(K::ShowTxtBColor), ColorKind::Background));
    each({K::ShowTxtBreak, K::ShowTxtQcTxt, K::ShowTxtClip, K::ShowTxtSimpleUse},
         [&](K key) { clampInteger(settings, key); });
    settings.setText(K::ShowTxtClipSpace, limitLength(settings.text(K::ShowTxtClipSpace), 80));
    each({K::ShowTxtCmShow, K::ShowTxtVoiceSoftAuto}, [&](K key) { clampInteger(settings, key); });

    // Every integer setting is in its range by now.
    for (const IntegerRule& rule : kIntegerRules)
        settings.setInteger(rule.key, int16OfText(settings.text(rule.key)));
    return unreadable;
}

void SettingsFile::read(Settings& settings, const SettingsPlace& place, FirstRunWindows& windows,
                        const QStringList& overrides)
{
    setDefaults(settings, place);
    unreadableKeys_.clear();

    QStringList lines;
    if (!existence_.fileExists(place.filePath)) {
        setOsWinTune(settings, place.osVersion);
        deriveWinTune(settings);
        placeFirstRunWindows(settings, windows);
        if (overrides.isEmpty())
            return;
    } else {
        const std::optional<QStringList> fileLines = files_.readLines(place.filePath, 1 << 20);
        if (!fileLines) {
            unreadableKeys_ = {QString()};
            messages_.show(kSettingsReadErrorMessage, kShortProgramName);
            return;
        }
        lines = *fileLines;
        // Not a settings file at all (binary data): its values are not read, and the
        // operator hears of it rather than finding the settings silently back at defaults.
        if (std::any_of(lines.cbegin(), lines.cend(), [](const QString& line) { return line.contains(QChar(0)); })) {
            unreadableKeys_ = {QString()};
            messages_.show(kSettingsReadErrorMessage, kShortProgramName);
            lines.clear();
        }
    }
    lines += overrides;

    takeSettingLines(settings, lines);
    const QStringList unreadable = check(settings, place);
    if (!unreadable.isEmpty()) {
        unreadableKeys_ += unreadable;
        messages_.show(kSettingsReadErrorMessage, kShortProgramName);
    }
}

void SettingsFile::write(Settings& settings, const QString& filePath)
{
    for (const IntegerRule& rule : kIntegerRules)
        settings.setText(rule.key, QString::number(settings.integer(rule.key)));
    if (settings.text(K::Win01State) == u"1") {
        settings.setText(K::Win00State, QStringLiteral("1"));
        settings.setText(K::Win01State, QStringLiteral("0"));
    }
    if (settings.text(K::Win03State) == u"1") {
        settings.setText(K::Win00State, QStringLiteral("1"));
        settings.setText(K::Win03State, QStringLiteral("0"));
    }

    QStringList lines{QStringLiteral("[QCST]")};
    for (int i = 0; i < kSettingCount; ++i) {
        const SettingKey key = settingKeyAt(i);
        lines << QString(settingName(key)) + u'=' + settings.text(key);
    }
    if (!files_.writeLines(filePath, lines))
        messages_.show(kSettingsWriteErrorMessage, kShortProgramName);
}

} // namespace qc
