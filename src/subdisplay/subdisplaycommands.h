#pragma once

#include "presentation/commandfamily.h"
#include "subdisplay/subdisplayrecords.h"
#include "windows/windownames.h"

#include <QString>

#include <array>

namespace qc {

class ClipTokens;
class FileExistence;
class FontProbe;
class Pictures;
class Screen;
class Script;
class Settings;
class ShowStates;
class SubDisplayHost;
class SubDisplayLogic;
class SubDisplayWindows;

// The sub display keys a step's command lines staged.
struct SubStaging {
    SubRequest keyValues;  // slots 1..23, working area of one command line
    // Per sub display: slot 0 the request flag, slots 2..23 the staged values.
    std::array<SubRequest, kSubDisplayCount> requests;
    bool pending = false;
};

// The share of the screen a picture is drawn at: `value` is a percentage of its natural size
// ("50"), of the screen ("40@"), or "max", the largest that fits 95 % of the screen; never
// more than that, nor 1000 %. The loader's size is the picture's natural size in twips.
// Anything out of range gives "100".
QString effectivePicturePercent(const QString& value, int loaderWidth, int loaderHeight, const Screen& screen);

// "@qc-subset" and "@qc-subreset": what a step asks of the five sub displays, checked and
// applied to their windows at the end of the step, compared with what is in force.
class SubDisplayCommands : public CommandFamily {
public:
    struct Parts {
        const Script& script;
        const Settings& settings;
        ClipTokens& tokens;
        const ShowStates& showStates;
        SubDisplayWindows& windows;
        SubDisplayHost& host;
    };
    struct Services {
        const Screen& screen;
        const FontProbe& fonts;
        const FileExistence& files;
        const Pictures& pictures;
    };

    SubDisplayCommands(Parts parts, Services services);

    bool isPending() const override { return staging_.pending; }
    void check() override;
    void apply() override;
    void clear() override;
    // Every attribute of each shown sub display back to its default.
    void stageReset() override;

    // A picture file the sub displays can show: its path when it has a picture's extension,
    // exists and decodes; "" otherwise.
    QString checkPictureFile(const QString& path) const;

    const SubStaging& staged() const { return staging_; }
    // What a step asks of sub display `id`; its window fills in its defaults when it loads.
    SubRequest& request(int id) { return staging_.requests[std::size_t(id)]; }
    // What is in force on sub display `id`; its window empties it when it closes.
    SubApplied& applied(int id) { return applied_[std::size_t(id)]; }
    const SubApplied& applied(int id) const { return applied_[std::size_t(id)]; }

private:
    void stageKeys(const QString& line) override;
    void checkRequest(SubRequest& request);
    QString shownValue(const QString& value);
    void applyRequest(int id, SubRequest& request);
    void applyAttributes(int id, SubDisplayLogic& window, SubRequest& request);

    Parts parts_;
    Services services_;
    SubStaging staging_;
    std::array<SubApplied, kSubDisplayCount> applied_;
};

} // namespace qc
