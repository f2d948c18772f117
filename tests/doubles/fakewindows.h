#pragma once

#include "windows/window.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <functional>

namespace qc::test {

// Windows that only remember what was done to them. Every call goes into a shared log as
// "<name>.<verb>"; a window's closing can be given extra work, as real close handlers have.
class FakeWindowLoader;

class FakeWindow : public Window {
public:
    FakeWindow(FakeWindowLoader& loader, QString name);
    ~FakeWindow() override;

    void show() override;
    void hide() override;
    void restore() override;
    WindowRect rect() const override;
    void moveTo(int left, int top) override;
    void runCloseHandlers() override;

    const QString name;

private:
    FakeWindowLoader& loader_;
};

class FakeWindowLoader : public WindowLoader {
public:
    std::unique_ptr<Window> load(const QString& name) override
    {
        if (unknown.contains(name))
            return nullptr;
        log << name + QStringLiteral(".load");
        auto window = std::make_unique<FakeWindow>(*this, name);
        if (const auto handler = onLoad.value(name))
            handler();
        return window;
    }

    QStringList log;
    QHash<QString, WindowRect> rects;        // a window's place and size, kept across loads
    QSet<QString> visible;
    QHash<QString, FakeWindow*> live;
    QHash<QString, std::function<void()>> onLoad;    // a window's load handler
    QHash<QString, std::function<void()>> onClose;
    QSet<QString> unknown;
};

inline FakeWindow::FakeWindow(FakeWindowLoader& loader, QString windowName)
    : name(std::move(windowName)), loader_(loader)
{
    loader_.live.insert(name, this);
}

inline FakeWindow::~FakeWindow()
{
    loader_.live.remove(name);
    loader_.visible.remove(name);
}

inline void FakeWindow::show()
{
    loader_.log << name + QStringLiteral(".show");
    loader_.visible.insert(name);
}

inline void FakeWindow::hide()
{
    loader_.log << name + QStringLiteral(".hide");
    loader_.visible.remove(name);
}

inline void FakeWindow::restore()
{
    loader_.log << name + QStringLiteral(".restore");
}

inline WindowRect FakeWindow::rect() const
{
    return loader_.rects.value(name);
}

inline void FakeWindow::moveTo(int left, int top)
{
    loader_.log << name + QStringLiteral(".move %1 %2").arg(left).arg(top);
    WindowRect& rect = loader_.rects[name];
    rect.left = left;
    rect.top = top;
}

inline void FakeWindow::runCloseHandlers()
{
    loader_.log << name + QStringLiteral(".close");
    if (const auto handler = loader_.onClose.value(name))
        handler();
}

} // namespace qc::test
