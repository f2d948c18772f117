#include "shell/qtmainwindow.h"

#include "platform/fontprobe.h"
#include "platform/screen.h"
#include "windows/qt/artwork.h"
#include "windows/designsizes.h"
#include "windows/qt/keypreview.h"
#include "windows/qt/widgetwindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

namespace qc {

namespace {

const QColor kWindowColour(0xC0, 0xC0, 0xFF);
const QColor kShowButtonColour(0xE0, 0xF0, 0xFF);

} // namespace

QtMainWindow::QtMainWindow(const Screen& screen, MainWindowLogic::Parts parts, MainWindowLogic::Services services)
    : QtFixedWindow<MainWindowView>(screen, kMainWindowClient.width, kMainWindowClient.height),
      logic_(*this, parts, std::move(services))
{
    setObjectName(QStringLiteral("frmMi00"));
    setWindowTitle(QStringLiteral("Quillcast"));
    setWindowIcon(quillcastIcon());
    setFont(QFont(kDefaultFixedFontName));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    setPalette(palette);
    setAcceptDrops(true);

    // The decorative shape: a light panel behind the script's line total and file name.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("shpPointUp"));
    panel->setGeometry(pixelRect(QRect(120, 1740, 4920, 720), screen_));
    panel->setStyleSheet(QStringLiteral("background-color: #E0E0FF; border-radius: 4px;"));

    // Created in tab order.
    QPushButton* show = addButton(MainButton::Show, QStringLiteral("表示 c"), {1920, 360, 1335, 495});
    addButton(MainButton::Config, QStringLiteral("環境設定 v"), {3480, 360, 1335, 495});
    addButton(MainButton::Voice, QStringLiteral("音声"), {360, 1200, 855, 495});
    addButton(MainButton::About, QStringLiteral("About"), {1440, 1200, 735, 495});
    addButton(MainButton::Clear, QStringLiteral("クリア"), {2400, 1200, 855, 495});
    addButton(MainButton::Off, QStringLiteral("終了 b"), {3480, 1200, 1335, 495});
    addButton(MainButton::Read, QStringLiteral("読み込み x"), {360, 360, 1335, 495});
    show->setStyleSheet(QStringLiteral("background-color: %1;").arg(kShowButtonColour.name()));

    addLabel("lblMsg0", QStringLiteral("総行数："), {240, 1800, 855, 255});
    totalLabel_ = addLabel("lblShowTxtTotal", QStringLiteral("0"), {1080, 1800, 735, 255});
    fileLabel_ = addLabel("lblShowTxtFile", QString(), {240, 2160, 4695, 255});
    fileLabel_->setFont(QFont(kDefaultFontName));

    new KeyPreview(*this, [this](QChar key) { return logic_.onKeyPress(key); });
}

QPushButton* QtMainWindow::addButton(MainButton button, const QString& caption, QRect twips)
{
    auto* widget = new QPushButton(caption, this);
    widget->setGeometry(pixelRect(twips, screen_));
    widget->setAutoDefault(false);
    static const std::map<MainButton, const char*> names{
        {MainButton::Read, "cmdRead"},   {MainButton::Show, "cmdShowTxt"}, {MainButton::Config, "cmdConfig"},
        {MainButton::Voice, "cmdVoiceSoft"}, {MainButton::About, "cmdAbout"}, {MainButton::Clear, "cmdClear"},
        {MainButton::Off, "cmdOff"}};
    widget->setObjectName(QString::fromLatin1(names.at(button)));
    connect(widget, &QPushButton::clicked, this, [this, button] {
        switch (button) {
        case MainButton::Read: logic_.read(); break;
        case MainButton::Show: logic_.showPresentation(); break;
        case MainButton::Config: logic_.config(); break;
        case MainButton::Voice: logic_.voice(); break;
        case MainButton::About: logic_.about(); break;
        case MainButton::Clear: logic_.clear(); break;
        case MainButton::Off: logic_.quit(); break;
        }
    });
    buttons_[button] = widget;
    return widget;
}

QLabel* QtMainWindow::addLabel(const char* name, const QString& text, QRect twips)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(pixelRect(twips, screen_));
    return label;
}

void QtMainWindow::showScriptTotals(int lineCount, const QString& fileName)
{
    totalLabel_->setText(QString::number(lineCount));
    fileLabel_->setText(fileName);
}

void QtMainWindow::focusButton(MainButton button)
{
    buttons_.at(button)->setFocus();
}

void QtMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void QtMainWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    logic_.onFilesDropped(paths);
}

} // namespace qc
