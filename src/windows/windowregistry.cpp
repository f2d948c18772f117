#include "windows/windowregistry.h"

#include <algorithm>

namespace qc {

WindowRegistry::WindowRegistry(WindowLoader& loader) : loader_(loader) {}

WindowRegistry::~WindowRegistry() = default;

Window* WindowRegistry::find(const QString& name) const
{
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        if (it->name == name)
            return it->window.get();
    }
    return nullptr;
}

Window* WindowRegistry::ensureLoaded(const QString& name)
{
    if (Window* window = find(name))
        return window;
    std::unique_ptr<Window> window = loader_.load(name);
    if (!window)
        return nullptr;
    entries_.push_back({name, std::move(window), false});
    return entries_.back().window.get();
}

void WindowRegistry::unloadByName(const QString& name)
{
    if (name.isEmpty() || name.size() > 30)
        return;
    auto it = std::find_if(entries_.rbegin(), entries_.rend(), [&](const Entry& e) { return e.name == name; });
    if (it == entries_.rend() || it->closing)
        return;
    it->closing = true;
    Window* window = it->window.get();
    // The handlers may load and unload other windows; the entry is found again afterwards.
    window->runCloseHandlers();
    const auto closed = std::find_if(entries_.begin(), entries_.end(),
                                     [&](const Entry& e) { return e.window.get() == window; });
    if (closed != entries_.end())
        entries_.erase(closed);
}

void WindowRegistry::abandonAll()
{
    entries_.clear();
}

QStringList WindowRegistry::loadedNames() const
{
    QStringList names;
    for (const Entry& entry : entries_)
        names << entry.name;
    return names;
}

} // namespace qc
