#pragma once

#include <QString>

#include <functional>

namespace qc {

// The entries of the tray icon's menu.
enum class TrayMenuEntry { Show, Quit };

// The notification-area icon. Mouse messages arrive as their numbers: 513 for a left
// click, 516 for a right click.
class Tray {
public:
    virtual ~Tray() = default;
    // False where the desktop has no notification area.
    virtual bool isAvailable() const = 0;
    virtual void add(const QString& tip) = 0;
    // Puts the icon up again with the same look, for a desktop that lost it.
    virtual void modify(const QString& tip) = 0;
    virtual void remove() = 0;
    virtual void setMessageHandler(std::function<void(int message)> handler) = 0;
    // Pops up the menu ("表示", "終了") at the mouse; the choice goes to the menu handler.
    virtual void showMenu() = 0;
    virtual void setMenuHandler(std::function<void(TrayMenuEntry entry)> handler) = 0;
};

} // namespace qc
