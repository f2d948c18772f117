#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <gst/gst.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <thread>

namespace qc::test {

// Sound files made on the spot: tones encoded by GStreamer itself, a MIDI file by hand.

// Run straight from the build folder, the tests still keep quiet and need no sound card.
inline const bool kQuietAudioSink = [] {
    ::setenv("QUILLCAST_AUDIO_SINK", "fakesink sync=true", 0);
    return true;
}();

// A 440 Hz tone of `hundredths` hundredths of a second, stereo at 44.1 kHz, through
// `encoder` (a GStreamer description such as "vorbisenc ! oggmux"). False when an element is
// missing or the encoding fails.
// A file made by a GStreamer description that ends in "filesink name=out".
inline bool writeThrough(const QString& path, const QByteArray& description)
{
    if (!gst_init_check(nullptr, nullptr, nullptr))
        return false;
    GError* error = nullptr;
    GstElement* pipeline = gst_parse_launch(description.constData(), &error);
    if (error) {
        g_clear_error(&error);
        if (pipeline)
            gst_object_unref(pipeline);
        return false;
    }
    GstElement* out = gst_bin_get_by_name(GST_BIN(pipeline), "out");
    g_object_set(out, "location", QFile::encodeName(path).constData(), nullptr);
    gst_object_unref(out);

    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* end = gst_bus_timed_pop_filtered(bus, 30 * GST_SECOND,
                                                 GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    const bool written = end && GST_MESSAGE_TYPE(end) == GST_MESSAGE_EOS;
    if (end)
        gst_message_unref(end);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return written && QFile(path).size() > 0;
}

inline bool writeTone(const QString& path, int hundredths, const char* encoder)
{
    return writeThrough(path, QByteArray("audiotestsrc num-buffers=") + QByteArray::number(hundredths)
                                  + " samplesperbuffer=441 freq=440 ! audio/x-raw,rate=44100,channels=2"
                                    " ! audioconvert ! " + encoder + " ! filesink name=out");
}

// An Ogg file of moving pictures, a second long; with `withSound`, a tone beside them.
inline bool writeVideo(const QString& path, bool withSound)
{
    QByteArray description = "videotestsrc num-buffers=25 ! video/x-raw,width=160,height=120,framerate=25/1"
                             " ! theoraenc ! oggmux name=mux ! filesink name=out";
    if (withSound)
        description += " audiotestsrc num-buffers=100 samplesperbuffer=441 ! audio/x-raw,rate=44100"
                       " ! audioconvert ! vorbisenc ! mux.";
    return writeThrough(path, description);
}

// A type-0 standard MIDI file: 480 ticks a quarter note, 120 beats a minute, so each note
// is half a second.
inline QByteArray midiNotes(std::initializer_list<int> notes)
{
    QByteArray track;
    const auto add = [&track](std::initializer_list<int> bytes) {
        for (const int byte : bytes)
            track.append(char(byte));
    };
    add({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});  // tempo: 500000 µs a quarter note
    for (const int note : notes) {
        add({0x00, 0x90, note, 0x64});        // on at once
        add({0x83, 0x60, 0x80, note, 0x00});  // off 480 ticks later
    }
    add({0x00, 0xFF, 0x2F, 0x00});  // end of track

    QByteArray file("MThd");
    for (const int byte : {0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0})  // format 0, 1 track, 480
        file.append(char(byte));
    file.append("MTrk");
    char length[4];
    qToBigEndian<quint32>(quint32(track.size()), length);
    file.append(length, 4);
    return file + track;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Polls `condition` until it holds or `limit` has passed; whether it held.
inline bool eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds limit = std::chrono::milliseconds(3000))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace qc::test
