#include "presentation/lookreporter.h"

#include "settings/settings.h"

namespace qc {

DisplayLook settingsLook(const Settings& settings)
{
    using K = SettingKey;
    return {settings.text(K::ShowTxtFName),         settings.integer(K::ShowTxtFSize),
            settings.integer(K::ShowTxtFBold) > 0,  settings.integer(K::ShowTxtFItalic) > 0,
            settings.text(K::ShowTxtFColor),        settings.text(K::ShowTxtBColor)};
}

LookReporter::LookReporter(DisplayPort& display, const Settings& settings, StepObserver& observer)
    : display_(display), settings_(settings), observer_(observer)
{
}

template <typename Value>
void LookReporter::change(Value DisplayLook::*field, const Value& value)
{
    if (look_.*field == value)
        return;
    look_.*field = value;
    observer_.lookChanged(look_);
}

void LookReporter::setFontName(const QString& name)
{
    display_.setFontName(name);
    change(&DisplayLook::fontName, name);
}

void LookReporter::setFontSize(int points)
{
    display_.setFontSize(points);
    change(&DisplayLook::fontSize, points);
}

void LookReporter::setBold(bool bold)
{
    display_.setBold(bold);
    change(&DisplayLook::bold, bold);
}

void LookReporter::setItalic(bool italic)
{
    display_.setItalic(italic);
    change(&DisplayLook::italic, italic);
}

void LookReporter::setForeColor(const QString& rgb)
{
    display_.setForeColor(rgb);
    change(&DisplayLook::foreColor, rgb);
}

void LookReporter::setBackColor(const QString& rgb)
{
    display_.setBackColor(rgb);
    change(&DisplayLook::backColor, rgb);
}

} // namespace qc
