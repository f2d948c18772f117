#pragma once

#include "platform/tray.h"

#include <QStringList>

namespace qc::test {

// A notification area that notes what is asked of it; `available` false is a desktop without
// one. The handlers are kept so a test can click the icon and pick from the menu.
class FakeTray : public Tray {
public:
    bool isAvailable() const override { return available; }
    void add(const QString& tip) override
    {
        calls << QStringLiteral("add ") + tip;
        shown = true;
    }
    void modify(const QString& tip) override { calls << QStringLiteral("modify ") + tip; }
    void remove() override
    {
        calls << QStringLiteral("remove");
        shown = false;
    }
    void setMessageHandler(std::function<void(int)> handler) override { messages = std::move(handler); }
    void showMenu() override { calls << QStringLiteral("menu"); }
    void setMenuHandler(std::function<void(TrayMenuEntry)> handler) override { menu = std::move(handler); }

    bool available = true;
    bool shown = false;
    QStringList calls;
    std::function<void(int)> messages;
    std::function<void(TrayMenuEntry)> menu;
};

} // namespace qc::test
