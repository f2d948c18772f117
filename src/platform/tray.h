#pragma once

#include <QString>

#include <functional>

namespace qc {

// The notification-area icon. Mouse messages arrive as their numbers: 513 for a left
// click, 516 for a right click.
class Tray {
public:
    virtual ~Tray() = default;
    // False where the desktop has no notification area.
    virtual bool isAvailable() const = 0;
    virtual void add(const QString& tip) = 0;
    virtual void modify(const QString& tip) = 0;
    virtual void remove() = 0;
    virtual void setMessageHandler(std::function<void(int message)> handler) = 0;
};

} // namespace qc
