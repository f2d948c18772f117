#pragma once

#include "presentation/commandfamily.h"
#include "windows/windownames.h"

#include <QString>

#include <array>

namespace qc {

class ShowStates;

// The sub display keys a step's command lines staged. Slots are the key-name table's, from 1.
struct SubStaging {
    std::array<QString, 24> keyValues;  // slots 1..23, working area of one command line
    // Per sub display: slot 0 the request flag, slots 2..23 the staged values.
    std::array<std::array<QString, 24>, kSubDisplayCount> requests;
    bool pending = false;
};

// "@qc-subset" and "@qc-subreset": what a step asks of the five sub displays.
class SubDisplayCommands : public CommandFamily {
public:
    explicit SubDisplayCommands(const ShowStates& showStates);

    bool isPending() const override { return staging_.pending; }
    void check() override;
    void apply() override;
    void clear() override;
    void stageReset() override;

    const SubStaging& staged() const { return staging_; }

private:
    void stageKeys(const QString& line) override;

    const ShowStates& showStates_;
    SubStaging staging_;
};

} // namespace qc
