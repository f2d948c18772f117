#include "presentation/displaycommands.h"

#include "platform/screen.h"
#include "presentation/displayport.h"
#include "settings/fontname.h"
#include "script/colors.h"
#include "script/commandparameters.h"
#include "script/keynames.h"
#include "script/numbers.h"
#include "script/script.h"
#include "script/texthelpers.h"
#include "settings/settings.h"
#include "windows/presentationwindows.h"

#include <cmath>

namespace qc {

namespace {

using K = SettingKey;

enum Slot {
    FontName = 1,
    FontSize,
    Bold,
    Italic,
    ForeColor,
    BackColor,
    Left,
    Top,
    Width,
    Height,
    Clip,
    Title,
    Shelter,
};

const QString kReset = QStringLiteral("reset");

// An integer check whose numbers beyond 16 bits count as out of range.
QString clampedInt(const QString& value, const char16_t* min, const char16_t* max, const char16_t* fallback)
{
    try {
        return clampIntText(value, QStringView(min), QStringView(max), QString::fromUtf16(fallback));
    } catch (const NumberOverflow&) {
        return QString::fromUtf16(fallback);
    }
}

QString checkedValue(int slot, const QString& value, const FontProbe& fonts)
{
    switch (slot) {
    case FontName: return checkFontName(value, fonts);
    case FontSize: return clampedInt(value, u"8", u"72", u"20");
    case Bold:
    case Italic:
    case Clip:
    case Shelter: return clampedInt(value, u"0", u"1", u"0");
    case ForeColor: return normalizeColorText(value, ColorKind::Text);
    case BackColor: return normalizeColorText(value, ColorKind::Background);
    case Left:
    case Top: return clampRealText(value, u"-100", u"200", kReset);
    case Width:
    case Height: return clampRealText(value, u"1", u"100", kReset);
    case Title: return limitLength(value, 80);
    default: return value;
    }
}

int percentOf(int screenSize, const QString& value)
{
    return int(std::floor(screenSize * numberOfText(value) / 100.0));
}

} // namespace

DisplayCommands::DisplayCommands(Parts parts, const Screen& screen, const FontProbe& fonts)
    : DisplayCommandsPort(Command::Set, Command::Reset), parts_(std::move(parts)), screen_(screen), fonts_(fonts)
{
}

void DisplayCommands::check()
{
    for (int slot = FontName; slot <= Shelter; ++slot) {
        QString& value = staging_.values[std::size_t(slot)];
        if (value.isEmpty())
            continue;
        value = isResetWord(value) ? kReset : checkedValue(slot, value, fonts_);
        if (!value.isEmpty())
            staging_.anyKeySet = QStringLiteral("1");
    }
}

void DisplayCommands::moveDisplayTo(const WindowRect& rect)
{
    parts_.display.moveTo(rect.left, rect.top);
    parts_.display.resizeTo(rect.width, rect.height);
}

void DisplayCommands::applyShelter(const QString& value)
{
    const QString on = value == kReset ? QStringLiteral("0") : value;
    if (numberOfText(on) > 0) {
        if (!isSheltered() && shelterRect_) {
            savedRect_ = parts_.display.rect();
            moveDisplayTo(*shelterRect_);
        }
    } else if (isSheltered()) {
        moveDisplayTo(*savedRect_);
        savedRect_.reset();
    }
}

void DisplayCommands::applyGeometry()
{
    const auto& values = staging_.values;
    const Settings& settings = parts_.settings;
    const auto setting = [&](K key) { return int(numberOfText(settings.text(key))); };

    if (const QString& left = values[Left]; !left.isEmpty()) {
        const int v = left == kReset ? setting(K::Win02Left) : percentOf(screen_.widthTwips(), left);
        parts_.display.moveTo(v, parts_.display.rect().top);
    }
    if (const QString& top = values[Top]; !top.isEmpty()) {
        const int v = top == kReset ? setting(K::Win02Top) : percentOf(screen_.heightTwips(), top);
        parts_.display.moveTo(parts_.display.rect().left, v);
    }
    if (const QString& width = values[Width]; !width.isEmpty()) {
        const int w = width == kReset ? setting(K::Win02Width) : percentOf(screen_.widthTwips(), width);
        parts_.display.resizeTo(std::max(w, kDisplayMinWidth), parts_.display.rect().height);
    }
    if (const QString& height = values[Height]; !height.isEmpty()) {
        const int h = height == kReset ? setting(K::Win02Height) : percentOf(screen_.heightTwips(), height);
        parts_.display.resizeTo(parts_.display.rect().width, std::max(h, kDisplayMinHeight));
    }
}

void DisplayCommands::apply()
{
    if (numberOfText(staging_.anyKeySet) <= 0)
        return;
    auto& values = staging_.values;
    const Settings& settings = parts_.settings;
    const auto isReset = [&](int slot) { return values[std::size_t(slot)] == kReset; };
    const auto given = [&](int slot) { return !values[std::size_t(slot)].isEmpty(); };

    if (given(Shelter))
        applyShelter(values[Shelter]);
    // A sheltered window keeps the shelter's place and size.
    if (isSheltered()) {
        for (int slot : {Left, Top, Width, Height})
            values[std::size_t(slot)].clear();
    }
    applyGeometry();

    if (given(FontName))
        parts_.display.setFontName(isReset(FontName) ? settings.text(K::ShowTxtFName) : values[FontName]);
    if (given(FontSize))
        parts_.display.setFontSize(isReset(FontSize) ? settings.integer(K::ShowTxtFSize) : int16OfText(values[FontSize]));
    if (given(Bold))
        parts_.display.setBold(isReset(Bold) ? settings.integer(K::ShowTxtFBold) > 0 : int16OfText(values[Bold]) > 0);
    if (given(Italic))
        parts_.display.setItalic(isReset(Italic) ? settings.integer(K::ShowTxtFItalic) > 0
                                                 : int16OfText(values[Italic]) > 0);
    if (given(ForeColor))
        parts_.display.setForeColor(isReset(ForeColor) ? settings.text(K::ShowTxtFColor) : values[ForeColor]);
    if (given(BackColor))
        parts_.display.setBackColor(isReset(BackColor) ? settings.text(K::ShowTxtBColor) : values[BackColor]);
    if (given(Clip))
        parts_.setClipSwitch(isReset(Clip) ? settings.integer(K::ShowTxtClip) : int16OfText(values[Clip]));
    if (given(Title))
        parts_.display.setCaption(isReset(Title) ? parts_.script.content().title : values[Title]);
}

void DisplayCommands::stageKeys(const QString& line)
{
    const CommandParameters params = parseCommandParameters(line, true);
    for (qsizetype i = 0; i < params.count(); ++i) {
        const int slot = keySlot(kDisplayKeyNames, params.keys[i]);
        if (slot == 0)
            continue;
        staging_.values[std::size_t(slot)] = params.values[i];
        staging_.pending = true;
        if (slot >= Left && slot <= Height)
            staging_.geometryTouched = true;
    }
}

void DisplayCommands::stageReset()
{
    for (std::size_t slot = 1; slot <= kDisplayKeyNames.size(); ++slot)
        staging_.values[slot] = kReset;
    staging_.anyKeySet = QStringLiteral("1");
    staging_.pending = true;
    staging_.geometryTouched = false;
}

void DisplayCommands::clear()
{
    staging_.anyKeySet.clear();
    staging_.values.fill(QString());
    staging_.pending = false;
}

void DisplayCommands::refreshShelterRect()
{
    const std::optional<WindowRect> controller = parts_.controller.controllerRect();
    if (!controller)
        return;
    const WindowRect& c = *controller;
    const int cx = c.left + int(std::floor(c.width * 0.5));
    const int cy = c.top + int(std::floor(c.height * 0.5));
    const int x = int(std::floor(screen_.widthTwips() * 0.4));
    const int y = int(std::floor(screen_.heightTwips() * 0.5));
    WindowRect shelter{0, 0, kShelterWidth, kShelterHeight};
    shelter.left = cx < x ? c.left : c.left + c.width - kShelterWidth;
    shelter.top = cy < y ? c.top + c.height + 100 : c.top - kShelterHeight - 100;
    shelterRect_ = shelter;
}

void DisplayCommands::followShelter()
{
    if (isSheltered() && shelterRect_)
        moveDisplayTo(*shelterRect_);
}

void DisplayCommands::leaveShelter()
{
    if (!isSheltered())
        return;
    moveDisplayTo(*savedRect_);
    savedRect_.reset();
}

void DisplayCommands::forgetShelter()
{
    shelterRect_.reset();
    savedRect_.reset();
}

} // namespace qc
