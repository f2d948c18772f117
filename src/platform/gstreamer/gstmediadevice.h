#pragma once

#include "platform/mediadevice.h"

#include <QString>

#include <map>
#include <memory>

namespace qc {

// The media device on GStreamer: one player pipeline per alias. Keywords in any letter case,
// single blanks; aliases are compared without regard to case.
//
//   Open "PATH" alias A type MPEGVideo   loads and prerolls; the length is known on return
//   Close A                              frees the player
//   Play A                               from the position (a piece at its end: from the start)
//   Stop A                               pauses, keeping the position
//   Seek A to N                          jumps to N ms, keeping the play state
//   setaudio A volume to N               N 0..1000
//   Status A position|length|mode|volume position and length in ms; mode "playing"/"stopped"
//
// No thread of its own: the players' messages (end of stream, errors) are read at each
// command, so a piece that ended answers "stopped" to the next status query. Every wait is
// bounded (an open at most 3 s, a seek at most 1 s).
class GstMediaDevice : public MediaDevice {
public:
    // Result codes; 0 is success.
    enum Error : unsigned {
        UnrecognisedCommand = 1,  // not one of the commands above
        UnknownAlias = 2,
        AliasInUse = 3,           // open under an alias that is open
        FileNotFound = 4,         // missing, not a regular file, or not readable
        CannotOpen = 5,           // not decodable, or no preroll in time
        OutOfRange = 6,           // seek past the end, volume above 1000
        DeviceFailed = 7,         // GStreamer unavailable, a wrong sink, a player that broke
    };

    GstMediaDevice();
    ~GstMediaDevice() override;
    GstMediaDevice(const GstMediaDevice&) = delete;
    GstMediaDevice& operator=(const GstMediaDevice&) = delete;

    MediaReply send(const QString& command) override;

private:
    struct Player;

    unsigned open(const QString& path, const QString& alias);
    Player* find(const QString& alias);
    void pollMessages();

    std::map<QString, std::unique_ptr<Player>> players_;  // by case-folded alias
};

} // namespace qc
