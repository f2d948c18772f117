#pragma once

#include <QString>

namespace qc {

struct MediaReply {
    unsigned code = 0;  // 0 on success
    QString text;       // the answer of a status query, else ""
};

// A media player driven by command texts: "open \"path\" alias A type MPEGVideo",
// "close A", "play A", "stop A", "seek A to N", "setaudio A volume to N",
// "status A position|length|mode|volume". Positions and lengths in milliseconds,
// volume 0..1000.
class MediaDevice {
public:
    virtual ~MediaDevice() = default;
    virtual MediaReply send(const QString& command) = 0;
};

} // namespace qc
