#include "presentation/linecommands.h"

#include "presentation/commandfamily.h"
#include "script/commandparameters.h"
#include "script/numbers.h"
#include "script/texthelpers.h"

namespace qc {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// The count of an "@qc-enter" line: 1 to 10, anything else 1.
int enterCount(const QString& line)
{
    const CommandParameters params = parseCommandParameters(line, true);
    int n = 1;
    try {
        n = int16OfText(params.token(1));
    } catch (const NumberOverflow&) {
        return 1;
    }
    return (n < 1 || n > 10) ? 1 : n;
}

// The text after the keyword and its separating space.
QString textAfterKeyword(const QString& line, Command command)
{
    return line.mid(commandKeyword(command).size() + 1);
}

} // namespace

void StepAccumulator::addTextLine(const QString& text)
{
    if (haveText) {
        display += kLineBreak;
        display += text;
        if (!clipOff) {
            clip += kLineBreak;
            clip += text;
        }
    } else {
        display = text;
        if (!clipOff)
            clip = text;
        haveText = true;
    }
}

LineCommands::LineCommands(std::vector<CommandFamily*> families) : families_(std::move(families)) {}

void LineCommands::run(const ScriptLine& line, StepAccumulator& step)
{
    switch (line.command) {
    case Command::Enter: {
        const int n = enterCount(line.text);
        for (int i = 0; i < n; ++i) {
            step.display += kLineBreak;
            if (!step.clipOff)
                step.clip += kLineBreak;
        }
        break;
    }
    case Command::ClipOn:
        step.clipOff = false;
        break;
    case Command::ClipOff:
        step.clipOff = true;
        break;
    case Command::ClipSend:
        step.clip += limitLength(stripOuterQuotes(textAfterKeyword(line.text, line.command)), 200);
        break;
    case Command::Cls:
        step.display.clear();
        step.clip.clear();
        step.haveText = false;
        break;
    case Command::Rem:
    case Command::None:
        break;
    case Command::Set:
    case Command::Reset:
    case Command::SubSet:
    case Command::SubReset:
    case Command::MusicSet:
    case Command::MusicReset:
        for (CommandFamily* family : families_) {
            if (family->stage(line))
                break;
        }
        break;
    }
}

} // namespace qc
