#pragma once

#include "windows/windownames.h"

#include <QString>

#include <array>

namespace qc {

// The recorded show states of the script-driven windows: "" or "0" not loaded, "1" loaded
// and hidden, "2" shown. Only the window manager and the windows' own closing change them.
struct ShowStateRecords {
    std::array<QString, kSubDisplayCount> subShowState;
    QString panelShowState;
};

} // namespace qc
