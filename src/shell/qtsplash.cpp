#include "shell/qtsplash.h"

#include "platform/fontprobe.h"
#include "windows/qt/artwork.h"
#include "platform/version.h"
#include "windows/qt/keypreview.h"
#include "windows/qt/widgetwindow.h"

#include <QLabel>
#include <QPainter>

namespace qc {

namespace {

constexpr int kSplashWidthTwips = 4800;
constexpr int kSplashHeightTwips = 2700;

} // namespace

QtSplash::QtSplash(const Screen& screen, Timers& timers, SplashLogic::Actions actions)
    : QtPlacedWindow<SplashView>(screen), logic_(*this, screen, timers, std::move(actions))
{
    setObjectName(QStringLiteral("frmOp00"));
    setWindowTitle(QStringLiteral("起動中"));
    setWindowIcon(quillcastIcon());
    setFixedSize(pixelRect(QRect(0, 0, kSplashWidthTwips, kSplashHeightTwips), screen_).size());

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(quillcastMark(96));
    image->setGeometry(pixelRect(QRect(300, 600, 1440, 1440), screen_));

    const QFont font(kDefaultFontName, 20, QFont::Bold);
    auto* name = new QLabel(QStringLiteral("Quillcast"), this);
    name->setObjectName(QStringLiteral("lblMsg0"));
    name->setFont(font);
    name->setStyleSheet(QStringLiteral("color: #FFFFFF;"));
    name->setGeometry(pixelRect(QRect(2000, 800, 2600, 600), screen_));

    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("lblMsg1"));
    version->setFont(QFont(kDefaultFontName, 10));
    version->setStyleSheet(QStringLiteral("color: #C0C0FF;"));
    version->setGeometry(pixelRect(QRect(2000, 1500, 2600, 300), screen_));

    new KeyPreview(*this, [this](QChar key) { return logic_.onKeyPress(key); });
}

void QtSplash::paintEvent(QPaintEvent*)
{
    // The decorative shape: a deep blue card with a light band along its foot.
    QPainter painter(this);
    painter.fillRect(QWidget::rect(), QColor(0x20, 0x28, 0x60));
    painter.fillRect(QRect(0, height() - height() / 8, width(), height() / 8), QColor(0xC0, 0xC0, 0xFF));
}

void QtSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    logic_.onShown();
}

} // namespace qc
