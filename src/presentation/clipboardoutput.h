#pragma once

#include "presentation/steppingports.h"

namespace qc {

class Clipboard;
class Settings;

// Puts a step's text on the desktop clipboard, emptying it first when ClipClear is set.
class ClipboardOutput : public StepClipboard {
public:
    ClipboardOutput(Clipboard& clipboard, const Settings& settings);

    void putClipboard(const QString& text) override;

private:
    Clipboard& clipboard_;
    const Settings& settings_;
};

} // namespace qc
