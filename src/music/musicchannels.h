#pragma once

#include <QString>
#include <QStringView>

namespace qc {

inline constexpr int kMusicChannelCount = 2;

// What one music channel holds. Numbers are kept as the decimal text they were given or read
// back as.
struct MusicChannelState {
    QString loadedPath;            // the file open on the channel; "" when none
    QString playingPath;           // loadedPath while it plays or waits to repeat
    QString playFlag = QStringLiteral("0");    // the play request last accepted
    QString topFlag = QStringLiteral("0");     // rewind to the start when stopped
    QString repeatFlag = QStringLiteral("0");  // restart after the end
    QString fileExtension;         // lower case, "" without a dot
    QString deviceVolume;          // last sent, 0..1000
    QString baseVolume;            // read back after opening: what 100 % stands for
    QString volumePercent = QStringLiteral("100");  // of baseVolume, 0..200
    QString lengthText;            // the device's answers, in milliseconds
    QString positionText;
    QString positionPercent = QStringLiteral("0");  // of the length, at most 5 decimals
    QString restartCountdown;      // whole seconds before a repeat restarts
};

// A channel argument as a channel: its number rounded (halves to even); anything but 0 or 1
// is channel 0.
int musicChannelOf(QStringView channel);
int musicChannelOf(int channel);

// The media device's name of a channel's file: "qcMusicCh0" or "qcMusicCh1".
QString musicAliasOf(int channel);

} // namespace qc
