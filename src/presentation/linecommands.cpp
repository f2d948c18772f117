#include "presentation/linecommands.h"

#include "presentation/steppingports.h"
#include "script/commandparameters.h"
#include "script/keynames.h"
#include "script/numbers.h"
#include "script/texthelpers.h"

namespace qc {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kReset = QStringLiteral("reset");

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

bool isShown(int showState)
{
    return showState == 2;
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
    ++taken;
}

LineCommands::LineCommands(CommandStaging& staging, const ShowStates& showStates)
    : staging_(staging), showStates_(showStates)
{
}

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
        step.taken = 0;
        break;
    case Command::Set:
        stageDisplayKeys(line.text);
        break;
    case Command::Reset:
        stageDisplayReset();
        break;
    case Command::SubSet:
        stageSubKeys(line.text);
        break;
    case Command::SubReset:
        stageSubReset();
        break;
    case Command::MusicSet:
        stageMusicKeys(line.text);
        break;
    case Command::MusicReset:
        stageMusicReset();
        break;
    case Command::Rem:
    case Command::None:
        break;
    }
}

void LineCommands::stageDisplayKeys(const QString& line)
{
    const CommandParameters params = parseCommandParameters(line, true);
    DisplayStaging& display = staging_.display;
    for (qsizetype i = 0; i < params.count(); ++i) {
        const int slot = keySlot(kDisplayKeyNames, params.keys[i]);
        if (slot == 0)
            continue;
        display.values[std::size_t(slot)] = params.values[i];
        display.pending = true;
        if (slot >= 7 && slot <= 10)
            display.geometryTouched = true;
    }
}

void LineCommands::stageDisplayReset()
{
    DisplayStaging& display = staging_.display;
    for (std::size_t slot = 1; slot <= kDisplayKeyNames.size(); ++slot)
        display.values[slot] = kReset;
    display.anyKeySet = QStringLiteral("1");
    display.pending = true;
    display.geometryTouched = false;
}

void LineCommands::stageSubKeys(const QString& line)
{
    const CommandParameters params = parseCommandParameters(line, true);
    SubStaging& sub = staging_.sub;
    for (qsizetype i = 0; i < params.count(); ++i) {
        if (const int slot = keySlot(kSubKeyNames, params.keys[i]))
            sub.keyValues[std::size_t(slot)] = params.values[i];
    }
    const QString& idText = sub.keyValues[1];
    if (!idText.isEmpty()) {
        int id = -1;
        try {
            id = int16OfText(idText);
        } catch (const NumberOverflow&) {
            id = -1;
        }
        if (id >= 0 && id < kSubDisplayCount) {
            std::array<QString, 24>& request = sub.requests[std::size_t(id)];
            for (std::size_t slot = 2; slot <= kSubKeyNames.size(); ++slot)
                request[slot] = sub.keyValues[slot];
            sub.pending = true;
        }
    }
    sub.keyValues.fill(QString());
}

void LineCommands::stageSubReset()
{
    SubStaging& sub = staging_.sub;
    for (int id = 0; id < kSubDisplayCount; ++id) {
        if (!isShown(showStates_.subShowState(id)))
            continue;
        std::array<QString, 24>& request = sub.requests[std::size_t(id)];
        for (std::size_t slot = 3; slot <= kSubKeyNames.size(); ++slot)
            request[slot] = kReset;
        request[0] = QStringLiteral("1");
        sub.pending = true;
    }
}

void LineCommands::stageMusicKeys(const QString& line)
{
    const CommandParameters params = parseCommandParameters(line, true);
    MusicStaging& music = staging_.music;
    for (qsizetype i = 0; i < params.count(); ++i) {
        if (const int slot = keySlot(kMusicKeyNames, params.keys[i])) {
            music.values[std::size_t(slot)] = params.values[i];
            music.pending = true;
        }
    }
}

void LineCommands::stageMusicReset()
{
    if (!isShown(showStates_.panelShowState()))
        return;
    MusicStaging& music = staging_.music;
    for (std::size_t slot = 3; slot <= kMusicKeyNames.size(); ++slot)
        music.values[slot] = kReset;
    music.anyKeySet = QStringLiteral("1");
    music.pending = true;
}

} // namespace qc
