#include "presentation/qtcontroller.h"

#include "platform/fontprobe.h"
#include "windows/qt/artwork.h"
#include "windows/designsizes.h"
#include "windows/qt/keypreview.h"
#include "windows/qt/widgetwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

namespace qc {

namespace {

const QColor kWindowColour(0xC0, 0xC0, 0xFF);
const QColor kNextColour(0xE0, 0xF0, 0xFF);

// The 70 x 70 background picture: a faint quill mark on the window's colour.
QPixmap backgroundTile()
{
    QPixmap tile(70, 70);
    tile.fill(kWindowColour);
    QPainter painter(&tile);
    painter.setOpacity(0.06);
    painter.drawPixmap(15, 15, quillcastMark(40));
    return tile;
}

ClientSize clientOf(ControllerKind kind)
{
    return kind == ControllerKind::Full ? kControllerClient : kSimpleControllerClient;
}

} // namespace

QtController::QtController(ControllerKind kind, const Screen& screen, ControllerLogic::Parts parts)
    : QtFixedWindow<ControllerView>(screen, clientOf(kind).width, clientOf(kind).height),
      logic_(*this, kind, parts, screen),
      tile_(backgroundTile())
{
    setObjectName(kind == ControllerKind::Full ? QStringLiteral("frmMi01") : QStringLiteral("frmMi01a"));
    setWindowTitle(QStringLiteral("操作 - Quillcast"));
    setWindowIcon(quillcastIcon());
    setFont(QFont(kDefaultFontName));
    if (kind == ControllerKind::Full)
        buildFull();
    else
        buildSimple();
    new KeyPreview(*this, [this](QChar key) { return logic_.onKeyPress(key); });
}

void QtController::buildFull()
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("shpPointUp"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(pixelRect(QRect(4320, 0, 2415, 975), screen_));

    addLabel("lblMsg0", QStringLiteral("行目："), {360, 120, 615, 255}, true);
    pointer_ = addLabel("lblShowTxtPoint", QStringLiteral("0"), {1080, 120, 735, 255}, false);
    addLabel("lblMsg1", QStringLiteral("総行数："), {120, 360, 855, 255}, true);
    total_ = addLabel("lblShowTxtTotal", QStringLiteral("0"), {1080, 360, 735, 255}, false);
    addLabel("lblMsg3", QStringLiteral("読上げ："), {2400, 720, 735, 255}, false);
    addLabel("lblMsg2", QStringLiteral("飛び先行："), {4440, 120, 975, 255}, false);

    // Created in tab order.
    addButton(ControllerButton::Next, "cmdNext", QStringLiteral("次へ c"), {5640, 0, 975, 615});
    addButton(ControllerButton::NextClipOff, "cmdNextClpOff", QStringLiteral("Off"), {5640, 720, 975, 255});
    addButton(ControllerButton::Bottom, "cmdBottom", QStringLiteral("最後 v"), {6840, 0, 975, 615});
    clip_ = new QCheckBox(QStringLiteral("クリップ"), this);
    clip_->setObjectName(QStringLiteral("chkClip"));
    clip_->setGeometry(pixelRect(QRect(6840, 720, 975, 255), screen_));
    connect(clip_, &QCheckBox::clicked, this, [this](bool checked) { logic_.onClipToggled(checked); });
    addButton(ControllerButton::Cancel, "cmdCancel", QStringLiteral("キャンセル b"), {7920, 0, 975, 615});
    addButton(ControllerButton::Off, "cmdOff", QStringLiteral("終了"), {7920, 720, 975, 255});
    addButton(ControllerButton::Top, "cmdTop", QStringLiteral("先頭 z"), {2160, 0, 975, 615});
    addButton(ControllerButton::Back, "cmdBack", QStringLiteral("前へ x"), {3240, 0, 975, 615});
    addButton(ControllerButton::BackClipOff, "cmdBackClpOff", QStringLiteral("Off"), {3240, 720, 975, 255});
    jump_ = new QLineEdit(this);
    jump_->setObjectName(QStringLiteral("txtJump"));
    jump_->setGeometry(pixelRect(QRect(4560, 360, 855, 420), screen_));
    jump_->installEventFilter(this);
}

void QtController::buildSimple()
{
    addLabel("lblMsg0", QStringLiteral("行目："), {360, 120, 735, 255}, true);
    pointer_ = addLabel("lblShowTxtPoint", QStringLiteral("0"), {1080, 120, 735, 255}, false);
    addLabel("lblMsg1", QStringLiteral("総行数："), {120, 360, 975, 255}, true);
    total_ = addLabel("lblShowTxtTotal", QStringLiteral("0"), {1080, 360, 735, 255}, false);
    addButton(ControllerButton::Next, "cmdNext", QStringLiteral("次へ c"), {3600, 0, 735, 855});
    addButton(ControllerButton::Cancel, "cmdCancel", QStringLiteral("キャンセル b"), {4440, 0, 735, 855});
    addButton(ControllerButton::Top, "cmdTop", QStringLiteral("先頭 z"), {1920, 0, 735, 855});
    addButton(ControllerButton::Back, "cmdBack", QStringLiteral("前へ x"), {2760, 0, 735, 855});
}

QPushButton* QtController::addButton(ControllerButton button, const char* name, const QString& caption, QRect twips)
{
    auto* widget = new QPushButton(caption, this);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(pixelRect(twips, screen_));
    widget->setAutoDefault(false);
    if (button == ControllerButton::Next)
        widget->setStyleSheet(QStringLiteral("background-color: %1;").arg(kNextColour.name()));
    connect(widget, &QPushButton::clicked, this, [this, button] { logic_.onButton(button); });
    buttons_[button] = widget;
    return widget;
}

QLabel* QtController::addLabel(const char* name, const QString& text, QRect twips, bool bringsAllIntoView)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(pixelRect(twips, screen_));
    label->installEventFilter(this);
    clickableLabels_[label] = bringsAllIntoView;
    return label;
}

bool QtController::eventFilter(QObject* watched, QEvent* event)
{
    if (isClick(*event)) {
        if (const auto it = clickableLabels_.find(watched); it != clickableLabels_.end()) {
            logic_.onLabelClick(it->second);
            return true;
        }
    }
    // Enter ends the edit of the jump box without stepping; the number waits for Next.
    if (watched == jump_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            jump_->setEnabled(false);
            jump_->setEnabled(true);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void QtController::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawTiledPixmap(QWidget::rect(), tile_);
}

void QtController::showPointer(int pointer)
{
    pointer_->setText(QString::number(pointer));
}

void QtController::showTotal(int lineCount)
{
    total_->setText(QString::number(lineCount));
}

QString QtController::jumpText() const
{
    return jump_ ? jump_->text() : QString();
}

void QtController::clearJump()
{
    if (jump_)
        jump_->clear();
}

void QtController::setClipChecked(bool checked)
{
    if (!clip_)
        return;
    const QSignalBlocker quiet(clip_);
    clip_->setChecked(checked);
}

void QtController::focusButton(ControllerButton button)
{
    if (const auto it = buttons_.find(button); it != buttons_.end())
        it->second->setFocus();
}

} // namespace qc
