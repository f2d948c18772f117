#include "platform/desktop/qttray.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

namespace qc {

namespace {

constexpr int kLeftButtonDown = 513;
constexpr int kRightButtonDown = 516;

} // namespace

QtTray::QtTray(QIcon icon) : icon_(std::move(icon)) {}

QtTray::~QtTray() = default;

bool QtTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::add(const QString& tip)
{
    if (!trayIcon_) {
        trayIcon_ = std::make_unique<QSystemTrayIcon>(icon_);
        connect(trayIcon_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (!messages_)
                return;
            if (reason == QSystemTrayIcon::Trigger)
                messages_(kLeftButtonDown);
            else if (reason == QSystemTrayIcon::Context)
                messages_(kRightButtonDown);
        });
    }
    trayIcon_->setToolTip(tip);
    trayIcon_->show();
}

// A tray that restarted has forgotten the icon: showing it again registers it anew.
void QtTray::modify(const QString& tip)
{
    if (!trayIcon_)
        return;
    trayIcon_->hide();
    trayIcon_->setIcon(icon_);
    trayIcon_->setToolTip(tip);
    trayIcon_->show();
}

void QtTray::remove()
{
    if (trayIcon_)
        trayIcon_->hide();
}

void QtTray::setMessageHandler(std::function<void(int message)> handler)
{
    messages_ = std::move(handler);
}

void QtTray::showMenu()
{
    if (!menu_) {
        menu_ = std::make_unique<QMenu>();
        menu_->setObjectName(QStringLiteral("mnuMenu0"));
        QAction* show = menu_->addAction(QStringLiteral("表示"));
        show->setObjectName(QStringLiteral("mnuShow"));
        connect(show, &QAction::triggered, this, [this] {
            if (menuChoices_)
                menuChoices_(TrayMenuEntry::Show);
        });
        QAction* quit = menu_->addAction(QStringLiteral("終了"));
        quit->setObjectName(QStringLiteral("mnuSoftOff"));
        connect(quit, &QAction::triggered, this, [this] {
            if (menuChoices_)
                menuChoices_(TrayMenuEntry::Quit);
        });
    }
    menu_->popup(QCursor::pos());
    menu_->activateWindow();
}

void QtTray::setMenuHandler(std::function<void(TrayMenuEntry entry)> handler)
{
    menuChoices_ = std::move(handler);
}

} // namespace qc
