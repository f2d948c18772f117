#include "subdisplay/qtsubdisplay.h"

#include "platform/desktop/qtpictures.h"
#include "platform/fontprobe.h"
#include "platform/screen.h"
#include "windows/qt/artwork.h"
#include "windows/qt/keypreview.h"
#include "windows/windownames.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace qc {

namespace {

const QColor kWhite(0xFF, 0xFF, 0xFF);
constexpr WindowRect kPictureAreaAtLoad{50, 50, 2055, 1935};
constexpr int kLabelPoints = 20;

QColor colourOf(const QString& rgb)
{
    return QColor(u'#' + rgb);
}

void setColourRole(QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

// Twips in 0.01 mm: 2540 of them an inch as against 1440 twips. Halves go to the even side.
int himetricOf(int twips)
{
    const double himetric = std::nearbyint(twips * 2540.0 / 1440.0);
    return himetric >= double(INT_MAX) ? INT_MAX : int(himetric);
}

QRect toQRect(const WindowRect& rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace

// The picture area: what is drawn into it stays until it is drawn over or cleared, whatever
// covers or uncovers it meanwhile. The drawing is kept apart from the background colour, so
// a new colour shows at once around the picture without wiping it.
class SubPictureArea : public QWidget {
public:
    SubPictureArea(QWidget& window, const Screen& screen) : QWidget(&window), screen_(screen) {}

    void setBackColour(const QColor& colour)
    {
        back_ = colour;
        update();
    }

    void clear()
    {
        fitDrawing();
        drawing_.fill(Qt::transparent);
        update();
    }

    // The picture at the top-left corner, stretched to `size` pixels.
    void draw(const QImage& picture, QSize size, bool mirrored)
    {
        fitDrawing();
        drawing_.fill(Qt::transparent);
        if (!picture.isNull() && !size.isEmpty() && !drawing_.isNull()) {
            QPainter painter(&drawing_);
            if (size.width() <= drawing_.width() && size.height() <= drawing_.height()) {
                painter.drawImage(0, 0, picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                            .mirrored(mirrored, false));
            } else {
                // Far larger than the area: only the part that lands in it is worked out.
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                if (mirrored) {
                    painter.translate(size.width(), 0);
                    painter.scale(-1, 1);
                }
                painter.drawImage(QRect(QPoint(0, 0), size), picture);
            }
        }
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        fitDrawing();
        QPainter painter(this);
        painter.fillRect(QWidget::rect(), back_);
        painter.drawImage(0, 0, drawing_);
    }

private:
    // The drawing covers the area, up to the size of the screen: the window never grows
    // beyond the screen, so no more of the area is ever seen.
    void fitDrawing()
    {
        const QSize most(toPixels(screen_.widthTwips(), screen_), toPixels(screen_.heightTwips(), screen_));
        const QSize wanted = size().boundedTo(most).expandedTo(QSize(0, 0));
        if (wanted == drawing_.size())
            return;
        QImage fitted(wanted, QImage::Format_ARGB32_Premultiplied);
        fitted.fill(Qt::transparent);
        if (!fitted.isNull() && !drawing_.isNull())
            QPainter(&fitted).drawImage(0, 0, drawing_);
        drawing_ = std::move(fitted);
    }

    const Screen& screen_;
    QColor back_ = kWhite;
    QImage drawing_;
};

QtSubDisplay::QtSubDisplay(int id, const Screen& screen, SubDisplayLogic::Parts parts)
    : screen_(screen), logic_(*this, parts, screen), sizer_(*this, screen)
{
    setObjectName(windowname::subDisplay(id));
    setWindowTitle(subDisplayTitle(id));
    setWindowIcon(quillcastIcon());
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowCloseButtonHint;
    if (id == 3 || id == 4)
        flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    // Shown by the script while the operator steps: the keyboard stays with the controller.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    setColourRole(*this, QPalette::Window, kWhite);

    // The labels are drawn on the window itself; the picture area, made after them, covers them.
    for (QLabel** label : {&text_, &caption_}) {
        *label = new QLabel(this);
        (*label)->setTextFormat(Qt::PlainText);
        (*label)->setFont(QFont(kDefaultFontName, kLabelPoints));
        (*label)->adjustSize();
        (*label)->hide();
        (*label)->installEventFilter(this);
    }
    text_->setObjectName(QStringLiteral("lblText"));
    caption_->setObjectName(QStringLiteral("lblCaption"));

    picture_ = new SubPictureArea(*this, screen);
    picture_->setObjectName(QStringLiteral("picSubPicture"));
    placePictureArea(kPictureAreaAtLoad);
    picture_->hide();
    picture_->raise();
    picture_->installEventFilter(this);

    // Holds the loaded picture's natural size; never shown.
    loader_ = new QWidget(this);
    loader_->setObjectName(QStringLiteral("picSubPictureLoad"));
    loader_->resize(0, 0);
    loader_->hide();

    new KeyPreview(*this, [this](QChar key) { return logic_.onKeyPress(key); });
}

bool QtSubDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (isClick(*event)) {
        if (watched == caption_) {
            logic_.onCaptionClick();
            return true;
        }
        if (watched == text_ || watched == picture_) {
            logic_.onClick();
            return true;
        }
    }
    return QtOperatorWindow::eventFilter(watched, event);
}

// The place and size last given, while the window stands there: whole pixels would round
// them, and the window's rules compare sizes to the twip. Before the window is first shown it
// has no frame, and it stands where it was put.
WindowRect QtSubDisplay::rect() const
{
    if (placed_ && (!windowHandle() || pixelRect(toQRect(*placed_), screen_) == frameGeometry()))
        return *placed_;
    return frameRectInTwips(*this, screen_);
}

void QtSubDisplay::moveTo(int left, int top)
{
    const WindowRect current = rect();
    placed_ = WindowRect{left, top, current.width, current.height};
    moveFrameTo(*this, left, top, screen_);
}

void QtSubDisplay::resizeTo(int width, int height)
{
    const WindowRect current = rect();
    placed_ = WindowRect{current.left, current.top, width, height};
    sizer_.resizeTo(width, height);
}

WindowState QtSubDisplay::windowState() const
{
    return windowStateOf(*this);
}

void QtSubDisplay::setWindowState(WindowState state)
{
    setWindowStateOf(*this, state);
}

void QtSubDisplay::hideWindow()
{
    hide();
}

void QtSubDisplay::setTitle(const QString& title)
{
    setWindowTitle(title);
}

void QtSubDisplay::setBackColor(const QString& rgb)
{
    const QColor colour = colourOf(rgb);
    if (!colour.isValid())
        return;
    setColourRole(*this, QPalette::Window, colour);
    picture_->setBackColour(colour);
}

WindowRect QtSubDisplay::pictureArea() const
{
    const QRect pixels = picture_->geometry();
    if (placedArea_ && pixelRect(toQRect(*placedArea_), screen_) == pixels)
        return *placedArea_;
    return {toTwips(pixels.x(), screen_), toTwips(pixels.y(), screen_), toTwips(pixels.width(), screen_),
            toTwips(pixels.height(), screen_)};
}

void QtSubDisplay::placePictureArea(const WindowRect& rect)
{
    const WindowRect placed{rect.left, rect.top, std::max(rect.width, 0), std::max(rect.height, 0)};
    picture_->setGeometry(pixelRect(toQRect(placed), screen_));
    placedArea_ = placed;
}

void QtSubDisplay::setPictureAreaVisible(bool visible)
{
    picture_->setVisible(visible);
}

void QtSubDisplay::drawPicture(TwipSize size, bool mirrored)
{
    picture_->draw(loaded_, QSize(toPixels(size.width, screen_), toPixels(size.height, screen_)), mirrored);
}

void QtSubDisplay::clearPictureArea()
{
    picture_->clear();
}

bool QtSubDisplay::loadPicture(const QString& path)
{
    if (path.isEmpty()) {
        emptyLoader();
        return true;
    }
    std::optional<QImage> picture = readPicture(path);
    if (!picture) {
        emptyLoader();
        return false;
    }
    loaded_ = std::move(*picture);
    const TwipSize natural{toTwips(loaded_.width(), screen_), toTwips(loaded_.height(), screen_)};
    loadedSizes_ = {natural, {himetricOf(natural.width), himetricOf(natural.height)}, natural};
    loader_->resize(loaded_.size());
    return true;
}

void QtSubDisplay::emptyLoader()
{
    loaded_ = QImage();
    loadedSizes_ = {};
    loader_->resize(0, 0);
}

LoadedPicture QtSubDisplay::loadedPicture() const
{
    return loadedSizes_;
}

QLabel* QtSubDisplay::label(SubLabel which) const
{
    return which == SubLabel::Text ? text_ : caption_;
}

void QtSubDisplay::setLabelText(SubLabel which, const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QLabel* widget = label(which);
    widget->setText(shown);
    widget->adjustSize();
}

void QtSubDisplay::setLabelFont(SubLabel which, const LabelFont& font)
{
    QFont qfont(font.face);
    qfont.setPointSize(std::max(font.points, 1));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    QLabel* widget = label(which);
    widget->setFont(qfont);
    widget->adjustSize();
}

void QtSubDisplay::setLabelColor(SubLabel which, const QString& rgb)
{
    const QColor colour = colourOf(rgb);
    if (colour.isValid())
        setColourRole(*label(which), QPalette::WindowText, colour);
}

TwipSize QtSubDisplay::labelSize(SubLabel which) const
{
    const QLabel* widget = label(which);
    return {toTwips(widget->width(), screen_), toTwips(widget->height(), screen_)};
}

void QtSubDisplay::placeLabel(SubLabel which, int left, int top)
{
    label(which)->move(toPixels(left, screen_), toPixels(top, screen_));
}

void QtSubDisplay::setLabelVisible(SubLabel which, bool visible)
{
    label(which)->setVisible(visible);
}

// The window system may have put its frame around the window by now.
void QtSubDisplay::resizeEvent(QResizeEvent* event)
{
    sizer_.frameMayHaveChanged();
    QtOperatorWindow::resizeEvent(event);
}

void QtSubDisplay::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    sizer_.frameMayHaveChanged();
}

} // namespace qc
