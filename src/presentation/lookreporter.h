#pragma once

#include "presentation/displayport.h"
#include "presentation/stepobserver.h"

namespace qc {

class Settings;

// The display window's look as the settings give it when the window opens.
DisplayLook settingsLook(const Settings& settings);

// Stands between the display commands and the display window: passes every change on, and
// tells the observers each time the look really changes. A run starts from the settings' look,
// as the display window opens with it.
class LookReporter : public DisplayPort, public StepObserver {
public:
    LookReporter(DisplayPort& display, const Settings& settings, StepObserver& observer);

    const DisplayLook& look() const { return look_; }

    WindowRect rect() override { return display_.rect(); }
    void moveTo(int left, int top) override { display_.moveTo(left, top); }
    void resizeTo(int width, int height) override { display_.resizeTo(width, height); }
    void setCaption(const QString& caption) override { display_.setCaption(caption); }
    void setFontName(const QString& name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setItalic(bool italic) override;
    void setForeColor(const QString& rgb) override;
    void setBackColor(const QString& rgb) override;

    void runStarted() override { look_ = settingsLook(settings_); }

private:
    template <typename Value>
    void change(Value DisplayLook::*field, const Value& value);

    DisplayPort& display_;
    const Settings& settings_;
    StepObserver& observer_;
    DisplayLook look_;
};

} // namespace qc
