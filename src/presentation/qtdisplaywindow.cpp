#include "presentation/qtdisplaywindow.h"

#include "platform/fontprobe.h"
#include "windows/qt/artwork.h"
#include "presentation/qtbanners.h"
#include "windows/qt/keypreview.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace qc {

namespace {

constexpr int kBannerLefts[] = {50, 4670, 9290};

// Qt lays out one very long line in time that grows faster than its length (a line of a
// million characters freezes the window for minutes), and no audience reads such a line to
// its end: a shown line stops here. What is copied is not cut.
constexpr qsizetype kMostShownLineLength = 4096;

QString shownForm(const QString& text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        if (line.size() > kMostShownLineLength)
            line.truncate(line[kMostShownLineLength - 1].isHighSurrogate() ? kMostShownLineLength - 1
                                                                           : kMostShownLineLength);
    }
    return lines.join(u'\n');
}

} // namespace

QtDisplayWindow::QtDisplayWindow(const Screen& screen, DisplayWindowLogic::Parts parts,
                                 DisplayWindowLogic::Services services)
    : screen_(screen), logic_(*this, parts, std::move(services)), sizer_(*this, screen)
{
    setObjectName(QStringLiteral("frmMi02"));
    setWindowTitle(QStringLiteral("表示"));
    setWindowIcon(quillcastIcon());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xFF));
    setPalette(palette);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("txtShowTxt"));
    text_->setFont(QFont(kDefaultFontName));
    text_->setFrameShape(QFrame::NoFrame);
    text_->installEventFilter(this);
    text_->viewport()->installEventFilter(this);

    cursorBox_ = new QLineEdit(this);
    cursorBox_->setObjectName(QStringLiteral("txtCursorCls"));
    cursorBox_->resize(10, 10);
    cursorBox_->installEventFilter(this);

    const QPixmap pictures[] = {scriptGuideBanner(), previewGuideBanner(), markBanner()};
    const char* names[] = {"imgCm0", "imgCm1", "imgCm2"};
    for (std::size_t i = 0; i < banners_.size(); ++i) {
        banners_[i] = new QLabel(this);
        banners_[i]->setObjectName(QString::fromLatin1(names[i]));
        banners_[i]->setPixmap(pictures[i]);
        banners_[i]->resize(pictures[i].size());
        banners_[i]->hide();
        banners_[i]->installEventFilter(this);
        if (i < 2)
            banners_[i]->setCursor(Qt::PointingHandCursor);
    }

    new KeyPreview(*this, [this](QChar key) { return logic_.onKeyPress(key); });
}

bool QtDisplayWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == text_ || watched == text_->viewport()) {
        if (type == QEvent::KeyPress)
            logic_.onTextKeyPress(keyCharacter(*static_cast<QKeyEvent*>(event)));
        else if (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
            logic_.onTextKeyUp();
        else if (type == QEvent::FocusOut)
            logic_.onTextLostFocus();
        else if (isClick(*event) && watched == text_->viewport())
            logic_.onTextClick();
    } else if (watched == cursorBox_) {
        if (type == QEvent::KeyPress)
            logic_.onCursorBoxKeyPress(keyCharacter(*static_cast<QKeyEvent*>(event)));
        else if (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
            logic_.onCursorBoxKeyUp();
    } else if (type == QEvent::MouseButtonPress) {
        // The first two banners open their pages; the third takes the click and does nothing.
        for (int i = 0; i < 3; ++i) {
            if (watched != banners_[std::size_t(i)])
                continue;
            if (i < 2 && isClick(*event))
                logic_.onBannerClick(i);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

WindowRect QtDisplayWindow::rect()
{
    return frameRectInTwips(*this, screen_);
}

void QtDisplayWindow::moveTo(int left, int top)
{
    moveFrameTo(*this, left, top, screen_);
}

void QtDisplayWindow::resizeTo(int width, int height)
{
    sizer_.resizeTo(width, height);
}

void QtDisplayWindow::setFontName(const QString& name)
{
    QFont font = text_->font();
    font.setFamily(name);
    text_->setFont(font);
}

void QtDisplayWindow::setFontSize(int points)
{
    QFont font = text_->font();
    font.setPointSize(std::max(points, 1));
    text_->setFont(font);
}

void QtDisplayWindow::setBold(bool bold)
{
    QFont font = text_->font();
    font.setBold(bold);
    text_->setFont(font);
}

void QtDisplayWindow::setItalic(bool italic)
{
    QFont font = text_->font();
    font.setItalic(italic);
    text_->setFont(font);
}

void QtDisplayWindow::setTextColour(QPalette::ColorRole role, const QString& rgb)
{
    QPalette palette = text_->palette();
    palette.setColor(role, QColor(u'#' + rgb));
    text_->setPalette(palette);
}

void QtDisplayWindow::setForeColor(const QString& rgb)
{
    setTextColour(QPalette::Text, rgb);
}

void QtDisplayWindow::setBackColor(const QString& rgb)
{
    setTextColour(QPalette::Base, rgb);
}

void QtDisplayWindow::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

WindowState QtDisplayWindow::windowState() const
{
    return windowStateOf(*this);
}

void QtDisplayWindow::setWindowState(WindowState state)
{
    setWindowStateOf(*this, state);
}

void QtDisplayWindow::hideWindow()
{
    hide();
}

void QtDisplayWindow::setText(const QString& text)
{
    text_->setPlainText(shownForm(text));
}

QString QtDisplayWindow::text() const
{
    QString text = text_->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

void QtDisplayWindow::placeTextBox(const WindowRect& rect)
{
    text_->setGeometry(pixelRect(QRect(rect.left, rect.top, std::max(rect.width, 15), std::max(rect.height, 15)),
                                 screen_));
}

void QtDisplayWindow::showBanners(int top)
{
    for (std::size_t i = 0; i < banners_.size(); ++i) {
        banners_[i]->move(toPixels(kBannerLefts[i], screen_), toPixels(top, screen_));
        banners_[i]->show();
    }
}

void QtDisplayWindow::hideBanners()
{
    for (QLabel* banner : banners_)
        banner->hide();
}

void QtDisplayWindow::placeCursorBox(int left, int top)
{
    cursorBox_->move(toPixels(left, screen_), toPixels(top, screen_));
}

void QtDisplayWindow::clearCursorBox()
{
    cursorBox_->clear();
}

void QtDisplayWindow::focusCursorBox()
{
    cursorBox_->setFocus();
}

// The window system may have put its frame around the window by now.
void QtDisplayWindow::resizeEvent(QResizeEvent* event)
{
    sizer_.frameMayHaveChanged();
    QtOperatorWindow::resizeEvent(event);
}

void QtDisplayWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    sizer_.frameMayHaveChanged();
}

} // namespace qc
