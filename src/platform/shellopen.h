#pragma once

#include <QString>

namespace qc {

// The desktop's default "open" action: starts a program or opens a file or web address.
// Detached, never waited for; failures are silent.
class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    virtual void open(const QString& target) = 0;
};

} // namespace qc
