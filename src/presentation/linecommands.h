#pragma once

#include "script/scripttables.h"

#include <QString>

#include <vector>

namespace qc {

class CommandFamily;

// The texts of a step while it is being gathered.
struct StepAccumulator {
    QString display;
    QString clip;
    bool haveText = false;  // a text line was taken
    bool clipOff = false;   // later lines stay off the clip text

    void addTextLine(const QString& text);
};

// What each command line does to the step being gathered: shape its texts, or hand the line
// to the command family whose command it is (display, sub displays, music), which stages its
// values for after the step.
class LineCommands {
public:
    explicit LineCommands(std::vector<CommandFamily*> families);

    void run(const ScriptLine& line, StepAccumulator& step);

private:
    std::vector<CommandFamily*> families_;
};

} // namespace qc
