#pragma once

#include "doubles/scriptwindowsrig.h"

namespace qc::test {

// The presentation with sub display windows that load through the window manager as the
// program's do: each is the real window logic over a fake view.
struct SubDisplayRig : ScriptWindowsRig {
    using ScriptWindowsRig::ScriptWindowsRig;

    // The view of a loaded sub display; nullptr when it is not loaded.
    FakeSubDisplayView* view(int id) { return subView(id); }
    SubDisplayLogic* logic(int id) { return subLogic(id); }
    const SubApplied& applied(int id) { return presentation.subDisplayCommands().applied(id); }
};

} // namespace qc::test
