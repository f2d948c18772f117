#pragma once

#include <QString>

#include <gst/gst.h>

#include <chrono>

namespace qc::gstreamer {

// Starts GStreamer the first time it is needed; false when it cannot start.
bool ensureStarted();

// A player for music and sound effects: a file decoded to audio only (a video file's picture
// is never even decoded), volume in software, the audio sink of the environment. Its bus
// keeps only the messages a player polls for. Null when the sink description is wrong or
// GStreamer lacks the elements.
GstElement* makeAudioPlayer();

// The length of a file in milliseconds, found by decoding its start as fast as it decodes
// into no output; -1 when not found before `deadline`. For the formats whose length the
// player cannot tell when it has read only the first frame (MP3 without a length header).
qint64 measureLengthMs(const QString& path, std::chrono::steady_clock::time_point deadline);

// The file a player plays (set while it stands in NULL), relative paths from the working
// folder; false when the path makes no address.
bool setPlayerFile(GstElement* player, const QString& path);

// A player's volume, 0..1.
void setPlayerVolume(GstElement* player, double volume);
double playerVolume(GstElement* player);

// A path names a regular file this process may read (a quick stat, never a read).
bool isReadableFile(const QString& path);

// The next message on a player's bus, waiting at most `wait` (zero: only what is there).
// The caller unrefs it.
GstMessage* nextMessage(GstElement* pipeline, std::chrono::milliseconds wait);

// Sets the state to NULL and drops the reference.
void releasePipeline(GstElement* pipeline);

} // namespace qc::gstreamer
