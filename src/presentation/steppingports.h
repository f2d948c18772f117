#pragma once

#include "presentation/commandfamily.h"

#include <QString>

namespace qc {

// What the stepping engine drives in the rest of the program. Each is implemented by the
// part that owns the thing: the display window, the controller, the command families.

// The display window's text box.
class StepDisplay {
public:
    virtual ~StepDisplay() = default;
    virtual void showText(const QString& text) = 0;
    // Moves the keyboard focus off the text box (so no caret shows) and back to the controller.
    virtual void returnFocusToController() = 0;
};

// The controller in use: the full one has a jump box and a clipboard check box.
class StepController {
public:
    virtual ~StepController() = default;
    virtual void showPointer(int pointer) = 0;
    virtual void showTotal(int lineCount) = 0;
    virtual bool hasJumpBox() const = 0;
    virtual QString jumpText() const = 0;
    virtual void clearJump() = 0;
    virtual void showClipSwitch(int clipSwitch) = 0;
};

// The display commands: the first family, which also resets the look at either end of the
// script and keeps the shelter, a box beside the controller that the display window can be
// moved into.
class DisplayCommandsPort : public CommandFamily {
public:
    using CommandFamily::CommandFamily;
    virtual void refreshShelterRect() = 0;
    virtual void followShelter() = 0;
    virtual void leaveShelter() = 0;
};

// The clipboard output of a step.
class StepClipboard {
public:
    virtual ~StepClipboard() = default;
    virtual void putClipboard(const QString& text) = 0;
};

} // namespace qc
