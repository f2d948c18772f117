#pragma once

#include "platform/tray.h"

#include <QIcon>
#include <QObject>

#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace qc {

// The tray icon through Qt's system tray icon (the desktop's StatusNotifierItem or XEmbed
// tray). A left click is message 513, a right click 516; the menu shows only when asked.
class QtTray : public QObject, public Tray {
public:
    explicit QtTray(QIcon icon);
    ~QtTray() override;

    bool isAvailable() const override;
    void add(const QString& tip) override;
    void modify(const QString& tip) override;
    void remove() override;
    void setMessageHandler(std::function<void(int message)> handler) override;
    void showMenu() override;
    void setMenuHandler(std::function<void(TrayMenuEntry entry)> handler) override;

private:
    QIcon icon_;
    std::unique_ptr<QSystemTrayIcon> trayIcon_;
    std::unique_ptr<QMenu> menu_;
    std::function<void(int)> messages_;
    std::function<void(TrayMenuEntry)> menuChoices_;
};

} // namespace qc
