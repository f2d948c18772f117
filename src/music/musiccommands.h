#pragma once

#include "music/musicrecords.h"
#include "presentation/commandfamily.h"

#include <QString>

namespace qc {

class FileExistence;
class MusicEngine;
class MusicPanelHost;
class MusicPanelWindows;
class Screen;
class Script;
class ShowStates;

// "@qc-musicset" and "@qc-musicreset": what a step asks of the music and the music panel,
// checked and applied at the end of the step, compared with what is in force. The panel and
// the engine are driven as the operator would drive them: through the panel's controls and
// the engine's command boxes.
class MusicCommands : public CommandFamily {
public:
    struct Parts {
        const Script& script;
        const ShowStates& showStates;
        MusicPanelWindows& windows;
        MusicPanelHost& host;
        MusicEngine& engine;
    };

    MusicCommands(Parts parts, const Screen& screen, const FileExistence& files);

    bool isPending() const override { return staging_.pending; }
    void check() override;
    void apply() override;
    void clear() override;
    // Everything but the channel and the show state back to its default, on a shown panel.
    void stageReset() override;

    const MusicStaging& staged() const { return staging_; }
    // The panel fills in its default place when it loads.
    MusicStaging& staging() { return staging_; }
    MusicRecords& records() { return records_; }
    const MusicRecords& records() const { return records_; }

private:
    void stageKeys(const QString& line) override;
    QString checkedFile(const QString& value, bool music) const;
    void applyShow();
    void applyToPanel();

    Parts parts_;
    const Screen& screen_;
    const FileExistence& files_;
    MusicStaging staging_;
    MusicRecords records_;
};

} // namespace qc
