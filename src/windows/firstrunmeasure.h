#pragma once

#include "settings/settingsfile.h"

namespace qc {

class WindowManager;
class WindowRegistry;
struct WindowFlags;

// Measures the operator windows for the first-run placement: they are loaded unseen while
// their handlers stand still, measured, and unloaded again. A window that cannot be loaded
// counts with its designed size.
class FirstRunMeasure : public FirstRunWindows {
public:
    FirstRunMeasure(WindowManager& windows, const WindowRegistry& registry, WindowFlags& flags);

    OperatorWindowSizes measure(int displayWidth, int displayHeight) override;

private:
    WindowManager& windows_;
    const WindowRegistry& registry_;
    WindowFlags& flags_;
};

} // namespace qc
