#include "subdisplay/subdisplaycommands.h"

#include "script/commandparameters.h"
#include "script/keynames.h"
#include "script/numbers.h"
#include "script/scripttables.h"
#include "windows/presentationwindows.h"

namespace qc {

namespace {

const QString kReset = QStringLiteral("reset");

} // namespace

SubDisplayCommands::SubDisplayCommands(const ShowStates& showStates)
    : CommandFamily(Command::SubSet, Command::SubReset), showStates_(showStates)
{
}

void SubDisplayCommands::stageKeys(const QString& line)
{
    const CommandParameters params = parseCommandParameters(line, true);
    for (qsizetype i = 0; i < params.count(); ++i) {
        if (const int slot = keySlot(kSubKeyNames, params.keys[i]))
            staging_.keyValues[std::size_t(slot)] = params.values[i];
    }
    const QString& idText = staging_.keyValues[1];
    if (!idText.isEmpty()) {
        int id = -1;
        try {
            id = int16OfText(idText);
        } catch (const NumberOverflow&) {
            id = -1;
        }
        if (id >= 0 && id < kSubDisplayCount) {
            std::array<QString, 24>& request = staging_.requests[std::size_t(id)];
            for (std::size_t slot = 2; slot <= kSubKeyNames.size(); ++slot)
                request[slot] = staging_.keyValues[slot];
            staging_.pending = true;
        }
    }
    staging_.keyValues.fill(QString());
}

// Only the sub displays on the screen go back to their defaults.
void SubDisplayCommands::stageReset()
{
    for (int id = 0; id < kSubDisplayCount; ++id) {
        if (showStates_.subShowState(id) != 2)
            continue;
        std::array<QString, 24>& request = staging_.requests[std::size_t(id)];
        for (std::size_t slot = 3; slot <= kSubKeyNames.size(); ++slot)
            request[slot] = kReset;
        request[0] = QStringLiteral("1");
        staging_.pending = true;
    }
}

// The sub display windows are not part of the program yet: a step's requests are staged and
// then dropped by clear(), so nothing is shown for them.
void SubDisplayCommands::check() {}
void SubDisplayCommands::apply() {}

void SubDisplayCommands::clear()
{
    for (auto& request : staging_.requests)
        request.fill(QString());
    staging_.pending = false;
}

} // namespace qc
