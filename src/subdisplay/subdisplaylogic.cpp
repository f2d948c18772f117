#include "subdisplay/subdisplaylogic.h"

#include "platform/fontprobe.h"
#include "platform/screen.h"
#include "settings/settings.h"
#include "subdisplay/subdisplaygeometry.h"
#include "subdisplay/subdisplayhost.h"
#include "windows/scriptwindowkeys.h"
#include "windows/windowmanager.h"
#include "windows/windownames.h"

#include <algorithm>
#include <cmath>

namespace qc {

namespace {

constexpr int kMinWidth = kSubMinWidth;
constexpr int kMinHeight = kSubMinHeight;
constexpr int kMargin = 50;
// What a text or caption gets around it beyond the frame allowance.
constexpr int kLabelRoom = 500;
constexpr int kCaptionBandRoom = 200;

// Half a length, halves going to the even neighbour; nothing below 0.
int half(int length)
{
    return length < 0 ? 0 : int(std::nearbyint(length / 2.0));
}

} // namespace

QString subDisplayTitle(int id)
{
    static const char16_t* const titles[] = {u"サブ表示０", u"サブ表示１", u"サブ表示２", u"サブ表示３",
                                             u"サブ表示４"};
    return QString::fromUtf16(titles[(id >= 0 && id < kSubDisplayCount) ? id : 0]);
}

SubDisplayLogic::SubDisplayLogic(SubDisplayView& view, Parts parts, const Screen& screen)
    : view_(view), parts_(parts), screen_(screen)
{
    textFont_.face = kDefaultFontName;
    captionFont_.face = kDefaultFontName;
}

int SubDisplayLogic::maxWidth() const
{
    return subMaxWidth(screen_);
}

int SubDisplayLogic::maxHeight() const
{
    return subMaxHeight(screen_);
}

int SubDisplayLogic::winTuneWidth() const
{
    return parts_.settings.winTuneWidth;
}

int SubDisplayLogic::winTuneHeight() const
{
    return parts_.settings.winTuneHeight;
}

void SubDisplayLogic::onLoad()
{
    parts_.host.attach(*this, parts_.id);
    view_.setTitle(subDisplayTitle(parts_.id));
    const WindowRect area = view_.pictureArea();
    view_.placePictureArea({kMargin, kMargin, area.width, area.height});
    resizeWindow(area.width + winTuneWidth(), area.height + winTuneHeight());

    // The defaults of the request that opens the window: its reset place, and its default size
    // unless a picture, a text or a caption of the same request gives it one.
    SubRequest& request = parts_.request;
    for (const std::size_t slot : {subslot::Left, subslot::Top}) {
        if (request[slot].isEmpty())
            request[slot] = QStringLiteral("reset");
    }
    if (request[subslot::PicFileName].isEmpty()) {
        for (const std::size_t slot : {subslot::Width, subslot::Height}) {
            if (request[slot].isEmpty())
                request[slot] = QStringLiteral("@reset");
        }
    }
}

void SubDisplayLogic::onResize()
{
    if (view_.windowState() == WindowState::Maximized)
        view_.setWindowState(WindowState::Normal);
    if (view_.windowState() != WindowState::Normal)
        return;

    WindowRect rect = view_.rect();
    const int width = std::min(std::max(rect.width, kMinWidth), maxWidth());
    const int height = std::min(std::max(rect.height, kMinHeight), maxHeight());
    if (width != rect.width || height != rect.height) {
        view_.resizeTo(width, height);
        rect.width = width;
        rect.height = height;
    }

    // Picture and text centred above the caption band, the caption centred on the bottom edge;
    // content larger than the window starts at the margin.
    const int band = layout_.captionBandHeight;
    WindowRect area = view_.pictureArea();
    area.left = half(rect.width - area.width - winTuneWidth()) + kMargin;
    area.top = half(rect.height - area.height - band - winTuneHeight()) + kMargin;
    view_.placePictureArea(area);

    const TwipSize caption = view_.labelSize(SubLabel::Caption);
    view_.placeLabel(SubLabel::Caption, half(rect.width - caption.width - winTuneWidth()) + kMargin,
                     std::max(0, rect.height - caption.height - winTuneHeight()));

    const TwipSize text = view_.labelSize(SubLabel::Text);
    view_.placeLabel(SubLabel::Text, half(rect.width - text.width - winTuneWidth()) + kMargin,
                     half(rect.height - text.height - band - winTuneHeight()) + kMargin);
}

void SubDisplayLogic::onQueryUnload()
{
    view_.hideWindow();
}

// Closing forgets everything: the next use starts from the load defaults.
void SubDisplayLogic::onUnload()
{
    parts_.applied.fill(QString());
    layout_ = {};
    parts_.windows.subDisplayClosed(parts_.id);
    parts_.host.detach(parts_.id);
}

void SubDisplayLogic::onClick()
{
    fit();
}

void SubDisplayLogic::onCaptionClick()
{
    keepOnScreen();
}

bool SubDisplayLogic::onKeyPress(QChar key)
{
    return handleScriptWindowKey(key, parts_.windows, parts_.flags);
}

int SubDisplayLogic::subDisplayWidth() const
{
    return std::max({layout_.pictureFrameWidth, layout_.textFrameWidth, layout_.captionFrameWidth});
}

int SubDisplayLogic::subDisplayHeight() const
{
    return std::max(layout_.pictureFrameHeight, layout_.textFrameHeight) + layout_.captionBandHeight;
}

void SubDisplayLogic::resizeWindow(int width, int height)
{
    view_.resizeTo(width, height);
    onResize();
}

void SubDisplayLogic::setWidth(int width)
{
    resizeWindow(width, view_.rect().height);
}

void SubDisplayLogic::setHeight(int height)
{
    resizeWindow(view_.rect().width, height);
}

void SubDisplayLogic::moveTo(int left, int top)
{
    view_.moveTo(left, top);
}

void SubDisplayLogic::nudge()
{
    const WindowRect rect = view_.rect();
    resizeWindow(rect.width + 10, rect.height + 10);
    resizeWindow(rect.width, rect.height);
}

void SubDisplayLogic::fit()
{
    const WindowRect area = view_.pictureArea();
    resizeWindow(subDisplayWidth(), subDisplayHeight());
    if (area.width + winTuneWidth() > kMinWidth && area.height + winTuneHeight() > kMinHeight) {
        const WindowRect rect = view_.rect();
        WindowRect moved = view_.pictureArea();
        if (layout_.pictureFrameWidth == rect.width)
            moved.left = kMargin;
        if (layout_.pictureFrameHeight == rect.height)
            moved.top = kMargin;
        view_.placePictureArea(moved);
    }
    keepOnScreen();
}

void SubDisplayLogic::keepOnScreen()
{
    parts_.windows.keepOnScreen(windowname::subDisplay(parts_.id));
}

void SubDisplayLogic::loadPicture(const QString& path)
{
    view_.loadPicture(path);
    loaderChanged();
}

void SubDisplayLogic::loaderChanged()
{
    if (parts_.applied[subslot::PicFileName].isEmpty()) {
        layout_.naturalWidth = layout_.naturalHeight = 0;
        layout_.himetricWidth = layout_.himetricHeight = 0;
        layout_.loaderWidth = layout_.loaderHeight = 0;
        return;
    }
    const LoadedPicture picture = view_.loadedPicture();
    layout_.naturalWidth = picture.natural.width;
    layout_.naturalHeight = picture.natural.height;
    layout_.himetricWidth = picture.himetric.width;
    layout_.himetricHeight = picture.himetric.height;
    layout_.loaderWidth = picture.outer.width;
    layout_.loaderHeight = picture.outer.height;
}

// The picture area grows by a small border around the picture drawn at `percent` of its
// natural size from the top-left corner.
void SubDisplayLogic::drawPicture(double percent, bool mirrored)
{
    const double scale = percent / 100.0;
    WindowRect area = view_.pictureArea();
    area.width = int(std::nearbyint(layout_.naturalWidth * scale + 60));
    area.height = int(std::nearbyint(layout_.naturalHeight * scale + 60));
    view_.placePictureArea(area);
    view_.drawPicture({int(std::nearbyint(layout_.naturalWidth * scale)),
                       int(std::nearbyint(layout_.naturalHeight * scale))},
                      mirrored);
}

void SubDisplayLogic::setPictureChange(const QString& text)
{
    if (text != u"0")
        pictureAreaChanged();
}

void SubDisplayLogic::removePicture()
{
    view_.clearPictureArea();
    WindowRect area = view_.pictureArea();
    area.width = kMinWidth;
    area.height = kMinHeight;
    view_.placePictureArea(area);
}

void SubDisplayLogic::pictureAreaChanged()
{
    if (!parts_.applied[subslot::PicFileName].isEmpty()) {
        const WindowRect area = view_.pictureArea();
        layout_.pictureFrameWidth = std::min(std::max(area.width + winTuneWidth(), kMinWidth), maxWidth());
        layout_.pictureFrameHeight = std::min(std::max(area.height + winTuneHeight(), kMinHeight), maxHeight());
        view_.setPictureAreaVisible(true);
        resizeWindow(subDisplayWidth(), subDisplayHeight());
    } else {
        layout_.pictureFrameWidth = layout_.pictureFrameHeight = 0;
        view_.setPictureAreaVisible(false);
    }
    nudge();
}

void SubDisplayLogic::setLabelText(SubLabel label, const QString& text)
{
    QString& shown = label == SubLabel::Text ? shownText_ : shownCaption_;
    if (text == shown)
        return;
    shown = text;
    view_.setLabelText(label, text);
    if (label == SubLabel::Text)
        textChanged();
    else
        captionChanged();
}

void SubDisplayLogic::setLabelFont(SubLabel label, const LabelFont& font)
{
    (label == SubLabel::Text ? textFont_ : captionFont_) = font;
    view_.setLabelFont(label, font);
}

void SubDisplayLogic::textChanged()
{
    if (!parts_.applied[subslot::Text].isEmpty()) {
        const TwipSize size = view_.labelSize(SubLabel::Text);
        layout_.textFrameWidth =
            std::min(std::max(size.width + winTuneWidth() + kLabelRoom, kMinWidth), maxWidth());
        layout_.textFrameHeight =
            std::min(std::max(size.height + winTuneHeight() + kLabelRoom, kMinHeight), maxHeight());
        view_.setLabelVisible(SubLabel::Text, true);
    } else {
        layout_.textFrameWidth = layout_.textFrameHeight = 0;
        view_.setLabelVisible(SubLabel::Text, false);
    }
    resizeWindow(subDisplayWidth(), subDisplayHeight());
    nudge();
}

void SubDisplayLogic::captionChanged()
{
    if (!parts_.applied[subslot::Caption].isEmpty()) {
        const TwipSize size = view_.labelSize(SubLabel::Caption);
        layout_.captionFrameWidth = size.width + winTuneWidth() + kLabelRoom;
        layout_.captionBandHeight = size.height + kCaptionBandRoom;
        view_.setLabelVisible(SubLabel::Caption, true);
    } else {
        layout_.captionFrameWidth = layout_.captionBandHeight = 0;
        view_.setLabelVisible(SubLabel::Caption, false);
    }
    resizeWindow(subDisplayWidth(), subDisplayHeight());
    nudge();
}

} // namespace qc
