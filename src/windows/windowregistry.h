#pragma once

#include "windows/window.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace qc {

// The loaded windows by name, in load order. A window whose closing is under way still
// counts as loaded until its handlers have run, and is not closed a second time meanwhile.
class WindowRegistry {
public:
    explicit WindowRegistry(WindowLoader& loader);
    ~WindowRegistry();

    // The loaded window of that name (the last loaded, when several); nullptr when none.
    Window* find(const QString& name) const;
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    // The window, loaded first when it is not; nullptr for an unknown name.
    Window* ensureLoaded(const QString& name);
    // Runs the closing handlers of the last loaded window of that name and forgets it.
    // Names of 1 to 30 characters only; nothing happens when no such window is loaded.
    void unloadByName(const QString& name);
    // Forgets every window without running any handler: the program is ending.
    void abandonAll();

    QStringList loadedNames() const;

private:
    struct Entry {
        QString name;
        std::unique_ptr<Window> window;
        bool closing = false;
    };

    WindowLoader& loader_;
    std::vector<Entry> entries_;
};

} // namespace qc
