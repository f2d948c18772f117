#pragma once

#include "windows/window.h"

#include <QHash>
#include <QString>

#include <functional>

namespace qc {

// Loads windows from factories registered by name when the program is put together.
class FactoryWindowLoader : public WindowLoader {
public:
    using Factory = std::function<std::unique_ptr<Window>()>;

    void add(const QString& name, Factory factory) { factories_.insert(name, std::move(factory)); }

    std::unique_ptr<Window> load(const QString& name) override
    {
        const auto it = factories_.constFind(name);
        return it == factories_.constEnd() ? nullptr : (*it)();
    }

private:
    QHash<QString, Factory> factories_;
};

// A window with no face on this desktop (the timer and music-engine windows): it exists by
// name so that loading and unloading it works as for any other window.
class FacelessWindow : public Window {
public:
    void show() override {}
    void hide() override {}
    void restore() override {}
    WindowRect rect() const override { return {}; }
    void moveTo(int, int) override {}
    void runCloseHandlers() override {}
};

} // namespace qc
