#include "music/musiccommands.h"

#include "script/commandparameters.h"
#include "script/keynames.h"
#include "script/scripttables.h"
#include "windows/presentationwindows.h"

namespace qc {

namespace {

const QString kReset = QStringLiteral("reset");

} // namespace

MusicCommands::MusicCommands(const ShowStates& showStates)
    : CommandFamily(Command::MusicSet, Command::MusicReset), showStates_(showStates)
{
}

void MusicCommands::stageKeys(const QString& line)
{
    const CommandParameters params = parseCommandParameters(line, true);
    for (qsizetype i = 0; i < params.count(); ++i) {
        if (const int slot = keySlot(kMusicKeyNames, params.keys[i])) {
            staging_.values[std::size_t(slot)] = params.values[i];
            staging_.pending = true;
        }
    }
}

// Only a music panel on the screen goes back to its defaults.
void MusicCommands::stageReset()
{
    if (showStates_.panelShowState() != 2)
        return;
    for (std::size_t slot = 3; slot <= kMusicKeyNames.size(); ++slot)
        staging_.values[slot] = kReset;
    staging_.anyKeySet = QStringLiteral("1");
    staging_.pending = true;
}

// The music engine is not part of the program yet: a step's music values are staged and then
// dropped by clear(), so nothing plays for them.
void MusicCommands::check() {}
void MusicCommands::apply() {}

void MusicCommands::clear()
{
    staging_.values.fill(QString());
    staging_.anyKeySet.clear();
    staging_.pending = false;
}

} // namespace qc
