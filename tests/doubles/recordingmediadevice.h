#pragma once

#include "platform/mediadevice.h"
#include "platform/wavesound.h"

#include <QHash>
#include <QStringList>

namespace qc::test {

// A media device that records every command text and answers from a table: a command's
// answer is looked up by its text, and anything not in the table succeeds with no text.
// Commands listed in `failing` return code 263, as a device does for a file it cannot open.
class RecordingMediaDevice : public MediaDevice {
public:
    MediaReply send(const QString& command) override
    {
        commands << command;
        if (failing.contains(command))
            return {263, {}};
        return {0, answers.value(command)};
    }

    QStringList commands;
    QHash<QString, QString> answers;
    QStringList failing;
};

class RecordingWaveSound : public WaveSound {
public:
    bool play(const QString& path) override
    {
        played << path;
        return !unplayable.contains(path);
    }
    QStringList played;
    QStringList unplayable;
};

} // namespace qc::test
