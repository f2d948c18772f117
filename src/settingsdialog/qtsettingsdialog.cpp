#include "settingsdialog/qtsettingsdialog.h"

#include "platform/fontprobe.h"
#include "windows/designsizes.h"
#include "windows/qt/artwork.h"
#include "windows/qt/keypreview.h"
#include "windows/qt/widgetwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qc {

namespace {

const QColor kWindowColour(0xC0, 0xC0, 0xFF);
const QColor kValueColour(0xE0, 0xE0, 0xFF);

using T = SettingsText;
using S = SettingsSwitch;

void fill(QWidget& widget, const QColor& colour)
{
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
}

// A lost focus as the operator causes it: not the window going to the back, nor a list
// opening.
bool leftByTheOperator(const QEvent& event)
{
    if (event.type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

QtSettingsDialog::QtSettingsDialog(const Screen& screen, SettingsDialogLogic::Parts parts,
                                   SettingsDialogLogic::Services services, std::function<void()> openRemote)
    : QtFixedWindow<SettingsDialogView>(screen, kSettingsDialogClient.width, kSettingsDialogClient.height),
      logic_(*this, parts, services)
{
    setObjectName(QStringLiteral("frmMi03"));
    setWindowTitle(QStringLiteral("環境設定 - Quillcast"));
    setWindowIcon(quillcastIcon());
    setFont(QFont(kDefaultFontName));
    fill(*this, kWindowColour);

    // The font and colour part on the left of the line, the switches on its right.
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(pixelRect(QRect(4200, 240, 15, 4815), screen_));

    addLabel("lblMsg0", QStringLiteral("フォント名："), {360, 420, 1335, 255});
    labels_[T::FontName] = addLabel("lblFontName", QString(), {1800, 360, 2055, 375}, true);
    addLabel("lblMsg1", QStringLiteral("文字サイズ："), {360, 900, 1335, 255});
    labels_[T::FontSize] = addLabel("lblFontSize", QStringLiteral("0"), {1800, 840, 735, 375}, true);
    addLabel("lblMsg2", QStringLiteral("太字："), {2640, 1560, 735, 255});
    labels_[T::FontBoldMark] = addLabel("lblFontBoldShow", QString(), {3480, 1560, 255, 255}, true);
    addLabel("lblMsg3", QStringLiteral("斜体："), {2640, 1920, 735, 255});
    labels_[T::FontItalicMark] = addLabel("lblFontItalicShow", QString(), {3480, 1920, 255, 255}, true);
    // The values behind the marks, never seen.
    labels_[T::FontBold] = addLabel("lblFontBold", QStringLiteral("0"), {});
    labels_[T::FontItalic] = addLabel("lblFontItalic", QStringLiteral("0"), {});
    labels_[T::FontBold]->hide();
    labels_[T::FontItalic]->hide();
    addLabel("lblMsg4", QStringLiteral("多行を区切る行数："), {360, 3420, 2175, 255});
    addLabel("Label1", QStringLiteral("（ショートカット作成）"), {480, 4440, 1815, 255});
    addLabel("lblMsg12", QStringLiteral("読み上げ間空け文字列："), {4440, 3900, 2895, 255})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The controls the focus visits, created in tab order.
    connect(addButton("cmdFont", QStringLiteral("フォント"), {2760, 840, 1095, 495}), &QPushButton::clicked, this,
            [this] { logic_.chooseFont(); });
    addSwatch(SettingsSwatch::Fore, "shpForeColor", {360, 1440, 855, 375});
    connect(addButton("cmdForeColor", QStringLiteral("文字の色"), {1320, 1440, 1095, 495}), &QPushButton::clicked,
            this, [this] { logic_.chooseColor(SettingsSwatch::Fore); });
    addTextBox(T::ForeColor, "txtForeColor", {360, 1920, 855, 270})->setText(QStringLiteral("000000"));
    addSwatch(SettingsSwatch::Back, "shpBackColor", {360, 2400, 855, 375});
    connect(addButton("cmdBackColor", QStringLiteral("背景の色"), {1320, 2400, 1095, 495}), &QPushButton::clicked,
            this, [this] { logic_.chooseColor(SettingsSwatch::Back); });
    addTextBox(T::BackColor, "txtBackColor", {360, 2880, 855, 270})->setText(QStringLiteral("FFFFFF"));
    showSwatch(SettingsSwatch::Fore, QStringLiteral("000000"));
    showSwatch(SettingsSwatch::Back, QStringLiteral("FFFFFF"));

    breakBox_ = new QComboBox(this);
    breakBox_->setObjectName(QStringLiteral("cmbBreak"));
    breakBox_->setEditable(true);
    breakBox_->setInsertPolicy(QComboBox::NoInsert);
    for (int limit = 0; limit <= 20; ++limit)
        breakBox_->addItem(QString::number(limit));
    breakBox_->setEditText(QString());
    breakBox_->setGeometry(pixelRect(QRect(2640, 3360, 1215, 360), screen_));
    breakBox_->installEventFilter(this);
    checkedBoxes_[breakBox_] = T::Break;

    addTextBox(T::VoiceSoft, "txtVoiceSoft", {360, 3960, 2175, 405});
    connect(addButton("cmdVoiceSoft", QStringLiteral("音声ソフト"), {2760, 3960, 1095, 495}), &QPushButton::clicked,
            this, [this] { logic_.chooseVoiceSoft(); });

    addSwitch(S::QcTxt, "chkQcTxt", 360, "lblMsg5", QStringLiteral("起動時にQCST.TXTを読み込む："));
    addSwitch(S::Clip, "chkClip", 840, "lblMsg6", QStringLiteral("クリップボード読み上げ対応："));
    addSwitch(S::ClipClear, "chkClipClear", 1320, "lblMsg7", QStringLiteral("前もってクリップボードを空にする："));
    addSwitch(S::SimpleUse, "chkSimpleUse", 1800, "lblMsg8", QStringLiteral("簡易操作："));
    addSwitch(S::TaskUse, "chkTaskUse", 2280, "lblMsg9", QStringLiteral("タスクトレイを利用する："));
    addSwitch(S::CmShow, "chkCmShow", 2760, "lblMsg10", QStringLiteral("ＣＭを表示する："));
    addSwitch(S::VoiceSoftAuto, "chkVoiceSoftAuto", 3240, "lblMsg11", QStringLiteral("音声ソフト自動起動："));

    addTextBox(T::ClipSpace, "txtClipSpace", {7440, 3840, 1335, 420});
    connect(addButton("comDefault", QStringLiteral("初期値"), {4560, 4560, 1095, 495}), &QPushButton::clicked, this,
            [this] { logic_.putDefaults(); });
    connect(addButton("cmdSet", QStringLiteral("設定"), {6360, 4560, 1095, 495}), &QPushButton::clicked, this,
            [this] { logic_.ok(); });
    connect(addButton("cmdCancel", QStringLiteral("キャンセル"), {7680, 4560, 1095, 495}), &QPushButton::clicked,
            this, [this] { logic_.cancel(); });
    if (openRemote) {
        connect(addButton("cmdRemote", QStringLiteral("リモート操作"), {2760, 4560, 1095, 495}),
                &QPushButton::clicked, this, std::move(openRemote));
    }

    new KeyPreview(*this, [this](QChar key) { return key == QChar(13) ? leaveBoxOnEnter() : logic_.onKeyPress(key); });
}

QLabel* QtSettingsDialog::addLabel(const char* name, const QString& caption, QRect twips, bool filled)
{
    auto* label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(pixelRect(twips, screen_));
    if (filled)
        fill(*label, kValueColour);
    return label;
}

QPushButton* QtSettingsDialog::addButton(const char* name, const QString& caption, QRect twips)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(pixelRect(twips, screen_));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* QtSettingsDialog::addTextBox(SettingsText field, const char* name, QRect twips)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(pixelRect(twips, screen_));
    box->installEventFilter(this);
    textBoxes_[field] = box;
    checkedBoxes_[box] = field;
    return box;
}

QFrame* QtSettingsDialog::addSwatch(SettingsSwatch swatch, const char* name, QRect twips)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setGeometry(pixelRect(twips, screen_));
    swatches_[swatch] = frame;
    return frame;
}

void QtSettingsDialog::addSwitch(SettingsSwitch box, const char* name, int top, const char* labelName,
                                 const QString& caption)
{
    // The caption stands on its own label, left of a blank check box.
    addLabel(labelName, caption, {4440, top + 60, 3855, 255})->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* check = new QCheckBox(this);
    check->setObjectName(QString::fromLatin1(name));
    check->setGeometry(pixelRect(QRect(8400, top, 375, 375), screen_));
    switches_[box] = check;
}

bool QtSettingsDialog::leaveBoxOnEnter()
{
    const QWidget* focused = focusWidget();
    if (!focused)
        return false;
    for (const auto& [object, field] : checkedBoxes_) {
        auto* box = static_cast<QWidget*>(object);
        if (focused == box || box->isAncestorOf(focused)) {
            // A disabled control gives the focus to the next one, and its lost focus runs.
            box->setEnabled(false);
            box->setEnabled(true);
            return true;
        }
    }
    return false;
}

bool QtSettingsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (leftByTheOperator(*event)) {
        if (const auto it = checkedBoxes_.find(watched); it != checkedBoxes_.end())
            logic_.onLostFocus(it->second);
    }
    return QtFixedWindow<SettingsDialogView>::eventFilter(watched, event);
}

QString QtSettingsDialog::text(SettingsText field) const
{
    if (field == T::Break)
        return breakBox_->currentText();
    if (const auto it = textBoxes_.find(field); it != textBoxes_.end())
        return it->second->text();
    return labels_.at(field)->text();
}

void QtSettingsDialog::setText(SettingsText field, const QString& text)
{
    if (field == T::Break)
        breakBox_->setEditText(text);
    else if (const auto it = textBoxes_.find(field); it != textBoxes_.end())
        it->second->setText(text);
    else
        labels_.at(field)->setText(text);
}

bool QtSettingsDialog::isChecked(SettingsSwitch box) const
{
    return switches_.at(box)->isChecked();
}

void QtSettingsDialog::setChecked(SettingsSwitch box, bool checked)
{
    switches_.at(box)->setChecked(checked);
}

void QtSettingsDialog::showSwatch(SettingsSwatch swatch, const QString& rgb)
{
    fill(*swatches_.at(swatch), QColor(QStringLiteral("#") + rgb));
}

} // namespace qc
