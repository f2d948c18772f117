#pragma once

#include "presentation/displaycommands.h"
#include "windows/presentationwindows.h"
#include "presentation/displayport.h"

namespace qc::test {

// A display window that only remembers its look and place.
class FakeDisplayPort : public DisplayPort {
public:
    WindowRect rect() override { return place; }
    void moveTo(int left, int top) override
    {
        place.left = left;
        place.top = top;
    }
    void resizeTo(int width, int height) override
    {
        place.width = width;
        place.height = height;
    }
    void setFontName(const QString& name) override { fontName = name; }
    void setFontSize(int points) override { fontSize = points; }
    void setBold(bool value) override { bold = value; }
    void setItalic(bool value) override { italic = value; }
    void setForeColor(const QString& rgb) override { foreColor = rgb; }
    void setBackColor(const QString& rgb) override { backColor = rgb; }
    void setCaption(const QString& text) override { caption = text; }

    WindowRect place{1000, 1000, 8000, 4000};
    QString fontName;
    int fontSize = 0;
    bool bold = false;
    bool italic = false;
    QString foreColor;
    QString backColor;
    QString caption;
};

class FakeControllerPlace : public ControllerPlace {
public:
    std::optional<WindowRect> controllerRect() const override { return rect; }
    std::optional<WindowRect> rect = WindowRect{0, 0, 9345, 1620};
};

} // namespace qc::test
