#include "music/qtmusicpanel.h"

#include "platform/fontprobe.h"
#include "platform/screen.h"
#include "windows/designsizes.h"
#include "windows/qt/artwork.h"
#include "windows/qt/keypreview.h"
#include "windows/qt/widgetwindow.h"
#include "windows/windownames.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace qc {

namespace {

const QString kBoxColour = QStringLiteral("C0C0FF");
const QString kReadingColour = QStringLiteral("E0E0FF");
const QString kMarkColour = QStringLiteral("FFFF80");

QColor colourOf(const QString& rgb)
{
    return QColor(u'#' + rgb);
}

// The widget's background in `rgb`; a text that is no colour leaves it as it was.
void setBackColour(QWidget& widget, const QString& rgb)
{
    const QColor colour = colourOf(rgb);
    if (!colour.isValid())
        return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
}

QRect toQRect(const WindowRect& rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace

QtMusicPanel::QtMusicPanel(const Screen& screen, MusicPanelLogic::Parts parts, Timers& timers)
    : screen_(screen), logic_(*this, parts, timers)
{
    setObjectName(windowname::kMusicPanel);
    setWindowTitle(QStringLiteral("音楽"));
    setWindowIcon(quillcastIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    // Shown by the script while the operator steps: the keyboard stays with the controller.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(pixelRect(QRect(0, 0, kMusicPanelClient.width, kMusicPanelClient.height), screen).size());
    setFont(QFont(kDefaultFontName));

    // Created in tab order.
    top_ = addCheckBox("chkMusicTop", QStringLiteral("先頭"), {120, 0, 735, 225}, &MusicPanelLogic::topClicked);
    repeat_ = addCheckBox("chkMusicRepeat", QStringLiteral("繰返し"), {960, 0, 855, 225},
                          &MusicPanelLogic::repeatClicked);
    volume_ = addLabel("lblMusicVolumePercent", QStringLiteral("100"), {1920, 0, 615, 255}, kReadingColour);
    channel_ = addLabel("lblMusicChannel", QStringLiteral("Ch-0"), {2640, 0, 735, 255}, kReadingColour);
    strip_ = addLabel("lblMusic", QString(), {0, 240, 135, 495}, kBoxColour);
    addButton("comMusicPlay", QStringLiteral("再生"), {120, 240, 855, 495}, &MusicPanelLogic::playClicked);
    addButton("comMusicStop", QStringLiteral("停止"), {1080, 240, 855, 495}, &MusicPanelLogic::stopClicked);
    addButton("comMusicVolumeUp", QStringLiteral("▲"), {2040, 240, 375, 375}, &MusicPanelLogic::volumeUpClicked);
    addButton("comMusicVolumeDown", QStringLiteral("▼"), {2040, 600, 375, 375},
              &MusicPanelLogic::volumeDownClicked);
    addButton("comSound", QStringLiteral("サウンド"), {2520, 240, 855, 495}, &MusicPanelLogic::soundClicked);
    for (std::size_t segment = 0; segment < segments_.size(); ++segment) {
        const QByteArray name = "lblMusic" + QByteArray::number(qsizetype(segment));
        segments_[segment] = addLabel(name.constData(), QString(), {int(segment) * 240, 840, 255, 135}, kMarkColour);
        segments_[segment]->hide();
    }
    position_ = new QLineEdit(this);
    position_->setObjectName(QStringLiteral("txtMusicPositionMove"));
    position_->setGeometry(pixelRect(QRect(1080, 840, 615, 270), screen_));
    position_->installEventFilter(this);
    addButton("comMusicPositionMove", QString(), {1680, 840, 255, 255}, &MusicPanelLogic::positionMoveClicked);
    sound_ = addLabel("lblSound", QString(), {2520, 840, 855, 135}, kMarkColour);

    // Made last, so that it sees a key before the position box's own filter does.
    new KeyPreview(*this, [this](QChar key) { return logic_.onKeyPress(key); });
}

QLabel* QtMusicPanel::addLabel(const char* name, const QString& text, QRect twips, const QString& rgb)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(pixelRect(twips, screen_));
    label->setAutoFillBackground(true);
    setBackColour(*label, rgb);
    label->installEventFilter(this);
    return label;
}

QPushButton* QtMusicPanel::addButton(const char* name, const QString& caption, QRect twips,
                                     void (MusicPanelLogic::*clicked)())
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(pixelRect(twips, screen_));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, clicked] { (logic_.*clicked)(); });
    return button;
}

QCheckBox* QtMusicPanel::addCheckBox(const char* name, const QString& caption, QRect twips,
                                     void (MusicPanelLogic::*clicked)(bool))
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(pixelRect(twips, screen_));
    box->setAutoFillBackground(true);
    setBackColour(*box, kBoxColour);
    // Only the operator's clicks: a box set by the logic is followed by its handler already.
    connect(box, &QCheckBox::clicked, this, [this, clicked](bool checked) { (logic_.*clicked)(checked); });
    return box;
}

bool QtMusicPanel::labelClicked(QObject* watched)
{
    if (watched == volume_) {
        logic_.volumeLabelClicked();
    } else if (watched == channel_) {
        logic_.channelLabelClicked();
    } else if (watched == sound_) {
        logic_.onClick();
    } else if (watched == strip_) {
        // The strip only shows; its click is not the window's.
    } else {
        const auto it = std::find(segments_.begin(), segments_.end(), watched);
        if (it == segments_.end())
            return false;
        logic_.segmentClicked(int(it - segments_.begin()));
    }
    return true;
}

bool QtMusicPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (isClick(*event) && labelClicked(watched))
        return true;
    // Enter leaves the position box without jumping; only the button beside it jumps.
    if (watched == position_ && event->type() == QEvent::KeyPress
        && keyCharacter(*static_cast<QKeyEvent*>(event)) == QChar(13)) {
        position_->setEnabled(false);
        position_->setEnabled(true);
        return true;
    }
    return QtOperatorWindow::eventFilter(watched, event);
}

// The place last given, while the window stands there: whole pixels would round it. Before
// the window is first shown it has no frame, and it stands where it was put.
WindowRect QtMusicPanel::rect() const
{
    if (placed_ && (!windowHandle() || pixelRect(toQRect(*placed_), screen_) == frameGeometry()))
        return *placed_;
    return frameRectInTwips(*this, screen_);
}

void QtMusicPanel::moveTo(int left, int top)
{
    const WindowRect current = rect();
    placed_ = WindowRect{left, top, current.width, current.height};
    moveFrameTo(*this, left, top, screen_);
}

WindowState QtMusicPanel::windowState() const
{
    return windowStateOf(*this);
}

void QtMusicPanel::setWindowState(WindowState state)
{
    setWindowStateOf(*this, state);
}

void QtMusicPanel::hideWindow()
{
    hide();
}

void QtMusicPanel::setTitle(const QString& title)
{
    setWindowTitle(title);
}

void QtMusicPanel::setTopChecked(bool checked)
{
    const QSignalBlocker quiet(top_);
    top_->setChecked(checked);
}

void QtMusicPanel::setRepeatChecked(bool checked)
{
    const QSignalBlocker quiet(repeat_);
    repeat_->setChecked(checked);
}

void QtMusicPanel::setVolumeText(const QString& text)
{
    volume_->setText(text);
}

void QtMusicPanel::setChannelText(const QString& text)
{
    channel_->setText(text);
}

void QtMusicPanel::setPlayStripColor(const QString& rgb)
{
    setBackColour(*strip_, rgb);
}

void QtMusicPanel::setPlayStripVisible(bool visible)
{
    strip_->setVisible(visible);
}

void QtMusicPanel::setSegmentColor(int segment, const QString& rgb)
{
    if (segment >= 0 && std::size_t(segment) < segments_.size())
        setBackColour(*segments_[std::size_t(segment)], rgb);
}

void QtMusicPanel::setSegmentsVisible(bool visible)
{
    for (QLabel* segment : segments_)
        segment->setVisible(visible);
}

QString QtMusicPanel::positionEntry() const
{
    return position_->text();
}

void QtMusicPanel::setPositionEntry(const QString& text)
{
    position_->setText(text);
}

void QtMusicPanel::setSoundMarkVisible(bool visible)
{
    sound_->setVisible(visible);
}

} // namespace qc
