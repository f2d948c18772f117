#pragma once

#include "presentation/staging.h"
#include "script/scripttables.h"

#include <QString>

namespace qc {

class ShowStates;

// The texts of a step while it is being gathered.
struct StepAccumulator {
    QString display;
    QString clip;
    bool haveText = false;  // a text line was taken
    bool clipOff = false;   // later lines stay off the clip text
    int taken = 0;          // text lines counted toward the step's line limit

    void addTextLine(const QString& text);
};

// What each command line does to the step being gathered: shape its texts, or stage display,
// sub display and music changes for after the step.
class LineCommands {
public:
    LineCommands(CommandStaging& staging, const ShowStates& showStates);

    void run(const ScriptLine& line, StepAccumulator& step);

    // Every display attribute back to its setting.
    void stageDisplayReset();

private:
    void stageDisplayKeys(const QString& line);
    void stageSubKeys(const QString& line);
    void stageSubReset();
    void stageMusicKeys(const QString& line);
    void stageMusicReset();

    CommandStaging& staging_;
    const ShowStates& showStates_;
};

} // namespace qc
