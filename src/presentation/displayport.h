#pragma once

#include "windows/window.h"

#include <QString>

namespace qc {

// The display window's look and place as the display commands change them. Every call loads
// the window first when it is not loaded.
class DisplayPort {
public:
    virtual ~DisplayPort() = default;
    virtual WindowRect rect() = 0;
    virtual void moveTo(int left, int top) = 0;
    virtual void resizeTo(int width, int height) = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setItalic(bool italic) = 0;
    // Colours as six hexadecimal digits RRGGBB.
    virtual void setForeColor(const QString& rgb) = 0;
    virtual void setBackColor(const QString& rgb) = 0;
    virtual void setCaption(const QString& caption) = 0;
};

} // namespace qc
