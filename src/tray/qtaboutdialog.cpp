#include "tray/qtaboutdialog.h"

#include "platform/fontprobe.h"
#include "platform/version.h"
#include "windows/qt/artwork.h"
#include "windows/designsizes.h"
#include "windows/qt/keypreview.h"
#include "windows/qt/widgetwindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace qc {

QtAboutDialog::QtAboutDialog(const Screen& screen, WindowManager& windows, WindowFlags& flags)
    : QtPlacedWindow<AboutDialogView>(screen), logic_(*this, windows, flags, screen)
{
    setObjectName(QStringLiteral("frmMi80"));
    setWindowTitle(kAboutTitle);
    setWindowIcon(quillcastIcon());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xFF));
    setPalette(palette);
    setFixedSize(pixelRect(QRect(0, 0, kAboutDialogClient.width, kAboutDialogClient.height), screen_).size());

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("shpPointUp"));
    panel->setGeometry(pixelRect(QRect{240, 120, 3255, 1455}, screen_));
    panel->setStyleSheet(QStringLiteral("background-color: #E0E0FF;"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(pixelRect(QRect{480, 720, 480, 480}, screen_));
    icon->setPixmap(quillcastMark(32));

    const QFont labelFont(kDefaultFontName);
    const struct {
        const char* name;
        QString text;
        QRect place;
    } labels[] = {
        {"lblMsg0", QStringLiteral("Quillcast"), {480, 240, 2895, 375}},
        {"lblMsg1", versionText(), {1440, 600, 1695, 255}},
        {"lblMsg2", kMakerText, {1200, 960, 2295, 255}},
        {"lblMsg3", kReleaseDateText, {1560, 1200, 1815, 255}},
    };
    for (const auto& spec : labels) {
        auto* label = new QLabel(spec.text, this);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setFont(labelFont);
        label->setGeometry(pixelRect(spec.place, screen_));
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setGeometry(pixelRect(QRect{2400, 1680, 975, 495}, screen_));
    connect(ok, &QPushButton::clicked, this, [this] { logic_.onOk(); });
    ok->setFocus();

    new KeyPreview(*this, [this](QChar key) { return logic_.onKeyPress(key); });
}

} // namespace qc
