#pragma once

#include "presentation/steppingports.h"

#include <functional>

namespace qc {

// A command family that is not part of the program yet: its staged values are dropped after
// each step, as the family's own clearing would, so that they never pile up.
class DiscardedCommands : public StagedCommands {
public:
    explicit DiscardedCommands(std::function<void()> dropStaged) : dropStaged_(std::move(dropStaged)) {}
    void check() override {}
    void apply() override {}
    void clear() override { dropStaged_(); }

private:
    std::function<void()> dropStaged_;
};

} // namespace qc
