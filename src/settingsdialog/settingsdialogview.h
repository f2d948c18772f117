#pragma once

#include "windows/placedwindowview.h"

#include <QString>

namespace qc {

// The dialog's texts: the font labels (the bold and italic values are hidden, their marks
// shown), the colour boxes, the line limit, the voice software and the reading pause.
enum class SettingsText {
    FontName,
    FontSize,
    FontBold,
    FontBoldMark,
    FontItalic,
    FontItalicMark,
    ForeColor,
    BackColor,
    Break,
    VoiceSoft,
    ClipSpace,
};

// The dialog's check boxes.
enum class SettingsSwitch { QcTxt, Clip, ClipClear, SimpleUse, TaskUse, CmShow, VoiceSoftAuto };

// The two colour swatches.
enum class SettingsSwatch { Fore, Back };

// The settings dialog as its handlers see it.
class SettingsDialogView : public FixedWindowView {
public:
    virtual QString text(SettingsText field) const = 0;
    virtual void setText(SettingsText field, const QString& text) = 0;
    virtual bool isChecked(SettingsSwitch box) const = 0;
    virtual void setChecked(SettingsSwitch box, bool checked) = 0;
    // rgb: six hexadecimal digits RRGGBB.
    virtual void showSwatch(SettingsSwatch swatch, const QString& rgb) = 0;
};

} // namespace qc
