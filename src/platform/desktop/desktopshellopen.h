#pragma once

#include "platform/shellopen.h"

namespace qc {

// Starts an executable file detached; opens anything else with the desktop's default
// application.
class DesktopShellOpen : public ShellOpen {
public:
    void open(const QString& target) override;
};

} // namespace qc
