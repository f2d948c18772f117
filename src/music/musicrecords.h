#pragma once

#include "music/musicchannels.h"

#include <QString>

#include <array>

namespace qc {

// Slots of the music keys, as the key-name table numbers them.
namespace musicslot {
enum : std::size_t {
    Channel = 1,
    Show,
    SoundFileName,
    SoundPlay,
    Left,
    Top,
    MusicFileName,
    MusicPlay,
    MusicTop,
    MusicRepeat,
    MusicVolume,
    MusicPosition,
    Title,
};
} // namespace musicslot

// Music key values by slot (1..13); "" is not given.
using MusicValues = std::array<QString, 14>;

// The music keys a step's command lines staged.
struct MusicStaging {
    MusicValues values;
    QString anyKeySet;  // "1" once a value survived the checks or a reset was staged
    bool pending = false;
};

// What is in force on the music while the panel is loaded, and which channel the commands and
// the panel address. Per channel: the music file as written in the script, top, repeat,
// volume and position; on channel 0 also the sound file and the title. The records empty when
// the panel closes; the two channels stay.
struct MusicRecords {
    std::array<MusicValues, kMusicChannelCount> applied;
    int commandChannel = 0;
    int panelChannel = 0;

    MusicValues& of(int channel) { return applied[std::size_t(channel == 1 ? 1 : 0)]; }
    const MusicValues& of(int channel) const { return applied[std::size_t(channel == 1 ? 1 : 0)]; }
};

// The music panel's caption for `channel`: the recorded title, else the file-name part of the
// channel's music file as written in the script, else "音楽".
QString musicPanelTitle(const MusicRecords& records, int channel);

} // namespace qc
