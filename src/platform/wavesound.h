#pragma once

#include <QString>

namespace qc {

// Sound effects: played asynchronously beside the music; a new sound replaces one still
// playing. False when the file cannot be played.
class WaveSound {
public:
    virtual ~WaveSound() = default;
    virtual bool play(const QString& path) = 0;
};

} // namespace qc
