#pragma once

#include "platform/wavesound.h"

#include <QString>

typedef struct _GstElement GstElement;

namespace qc {

// Sound effects on a player of their own, beside the music. play() returns once the sound
// has started; the sound goes on in GStreamer's threads.
class GstWaveSound : public WaveSound {
public:
    GstWaveSound();
    ~GstWaveSound() override;
    GstWaveSound(const GstWaveSound&) = delete;
    GstWaveSound& operator=(const GstWaveSound&) = delete;

    // False, and the sound still playing goes on, when the path is not a readable file or
    // no player can be made. A file that turns out not to decode fails silently later.
    bool play(const QString& path) override;

    // The path of the sound still playing; "" once it ended or failed.
    QString sounding();

private:
    void pollMessages();

    GstElement* player_ = nullptr;  // made at the first sound
    QString sounding_;
};

} // namespace qc
