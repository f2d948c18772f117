#include "windows/firstrunmeasure.h"

#include "windows/windowflags.h"
#include "windows/designsizes.h"
#include "windows/windowmanager.h"
#include "windows/windownames.h"
#include "windows/windowregistry.h"

namespace qc {

FirstRunMeasure::FirstRunMeasure(WindowManager& windows, const WindowRegistry& registry, WindowFlags& flags)
    : windows_(windows), registry_(registry), flags_(flags)
{
}

OperatorWindowSizes FirstRunMeasure::measure(int displayWidth, int displayHeight)
{
    flags_.firstRun = true;
    windows_.loadOperatorWindows();
    OperatorWindowSizes sizes = designWindowSizes();
    const auto take = [&](const QString& name, int& width, int& height) {
        if (const Window* window = registry_.find(name)) {
            width = window->rect().width;
            height = window->rect().height;
        }
    };
    take(windowname::kMain, sizes.mainWidth, sizes.mainHeight);
    take(windowname::kController, sizes.controllerWidth, sizes.controllerHeight);
    take(windowname::kSettingsDialog, sizes.dialogWidth, sizes.dialogHeight);
    sizes.displayWidth = displayWidth;
    sizes.displayHeight = displayHeight;
    windows_.unloadOperatorWindows();
    flags_.firstRun = false;
    return sizes;
}

} // namespace qc
