#pragma once

#include "subdisplay/subdisplaylogic.h"
#include "subdisplay/subdisplayview.h"

#include "doubles/fakewindows.h"

#include <QHash>
#include <QStringList>

#include <cmath>
#include <optional>

namespace qc::test {

// A sub display window that only remembers. Its place and size are the fake window's of the
// same name, so the window manager and the handlers see one window. A label measures its text
// as lines of characters of 10 twips per point wide and 20 twips per point high; pictures are
// the files listed in `pictureFiles` with their natural sizes.
class FakeSubDisplayView : public SubDisplayView {
public:
    FakeSubDisplayView(FakeWindowLoader& loader, QString name, const QHash<QString, TwipSize>& pictureFiles)
        : loader_(loader), name_(std::move(name)), pictureFiles_(pictureFiles)
    {
        loader_.rects[name_] = {0, 0, 4000, 4000};
    }

    WindowRect rect() const override { return loader_.rects.value(name_); }
    void moveTo(int left, int top) override
    {
        WindowRect& r = loader_.rects[name_];
        r.left = left;
        r.top = top;
    }
    void resizeTo(int width, int height) override
    {
        WindowRect& r = loader_.rects[name_];
        r.width = width;
        r.height = height;
    }
    WindowState windowState() const override { return state; }
    void setWindowState(WindowState s) override { state = s; }
    void hideWindow() override { hidden = true; }
    void setTitle(const QString& t) override { title = t; }
    void setBackColor(const QString& rgb) override { backColor = rgb; }

    WindowRect pictureArea() const override { return area; }
    void placePictureArea(const WindowRect& r) override { area = r; }
    void setPictureAreaVisible(bool v) override { areaVisible = v; }
    void drawPicture(TwipSize size, bool mirrored) override { drawn = Drawing{size, mirrored}; }
    void clearPictureArea() override { drawn.reset(); }

    bool loadPicture(const QString& path) override
    {
        loaded.reset();
        if (path.isEmpty())
            return true;
        const auto it = pictureFiles_.constFind(path);
        if (it == pictureFiles_.constEnd())
            return false;
        const TwipSize natural = *it;
        loaded = LoadedPicture{natural,
                               {int(std::lround(natural.width * 2540.0 / 1440)),
                                int(std::lround(natural.height * 2540.0 / 1440))},
                               natural};
        loadedPath = path;
        return true;
    }
    LoadedPicture loadedPicture() const override { return loaded.value_or(LoadedPicture{}); }

    struct Label {
        QString text;
        LabelFont font{QStringLiteral("ＭＳ Ｐゴシック"), 20, false, false};
        QString color;
        int left = 0;
        int top = 0;
        bool visible = false;
    };
    Label& label(SubLabel which) { return which == SubLabel::Text ? text : caption; }
    const Label& label(SubLabel which) const { return which == SubLabel::Text ? text : caption; }

    void setLabelText(SubLabel which, const QString& t) override { label(which).text = t; }
    void setLabelFont(SubLabel which, const LabelFont& font) override { label(which).font = font; }
    void setLabelColor(SubLabel which, const QString& rgb) override { label(which).color = rgb; }
    TwipSize labelSize(SubLabel which) const override
    {
        const Label& l = label(which);
        const QStringList lines = l.text.split(QStringLiteral("\r\n"));
        qsizetype longest = 0;
        for (const QString& line : lines)
            longest = std::max(longest, line.size());
        return {int(longest) * l.font.points * 10, int(lines.size()) * l.font.points * 20};
    }
    void placeLabel(SubLabel which, int left, int top) override
    {
        label(which).left = left;
        label(which).top = top;
    }
    void setLabelVisible(SubLabel which, bool v) override { label(which).visible = v; }

    struct Drawing {
        TwipSize size;
        bool mirrored;
    };

    WindowState state = WindowState::Normal;
    bool hidden = false;
    QString title;
    QString backColor;
    WindowRect area{50, 50, 2055, 1935};
    bool areaVisible = false;
    std::optional<Drawing> drawn;
    std::optional<LoadedPicture> loaded;
    QString loadedPath;
    Label text;
    Label caption;

private:
    FakeWindowLoader& loader_;
    QString name_;
    const QHash<QString, TwipSize>& pictureFiles_;
};

} // namespace qc::test
