#pragma once

#include "presentation/commandfamily.h"

#include <QString>

#include <array>

namespace qc {

class ShowStates;

// The music keys a step's command lines staged. Slots are the key-name table's, from 1.
struct MusicStaging {
    std::array<QString, 14> values;  // slots 1..13
    QString anyKeySet;
    bool pending = false;
};

// "@qc-musicset" and "@qc-musicreset": what a step asks of the music and the music panel.
class MusicCommands : public CommandFamily {
public:
    explicit MusicCommands(const ShowStates& showStates);

    bool isPending() const override { return staging_.pending; }
    void check() override;
    void apply() override;
    void clear() override;
    void stageReset() override;

    const MusicStaging& staged() const { return staging_; }

private:
    void stageKeys(const QString& line) override;

    const ShowStates& showStates_;
    MusicStaging staging_;
};

} // namespace qc
