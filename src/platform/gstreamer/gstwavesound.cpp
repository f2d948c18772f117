#include "platform/gstreamer/gstwavesound.h"

#include "platform/gstreamer/gstsupport.h"

#include <chrono>

namespace qc {

using namespace std::chrono_literals;

GstWaveSound::GstWaveSound() = default;

GstWaveSound::~GstWaveSound()
{
    gstreamer::releasePipeline(player_);
}

bool GstWaveSound::play(const QString& path)
{
    if (!gstreamer::isReadableFile(path))
        return false;
    if (!player_)
        player_ = gstreamer::makeAudioPlayer();
    if (!player_)
        return false;

    // Back to NULL first: a player takes a new file only from there. This also cuts
    // off the sound still playing and clears its messages.
    gst_element_set_state(player_, GST_STATE_NULL);
    pollMessages();
    sounding_.clear();
    if (!gstreamer::setPlayerFile(player_, path))
        return false;
    if (gst_element_set_state(player_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        gst_element_set_state(player_, GST_STATE_NULL);
        return false;
    }
    sounding_ = path;
    return true;
}

QString GstWaveSound::sounding()
{
    pollMessages();
    return sounding_;
}

void GstWaveSound::pollMessages()
{
    if (!player_)
        return;
    while (GstMessage* message = gstreamer::nextMessage(player_, 0ms)) {
        const GstMessageType type = GST_MESSAGE_TYPE(message);
        gst_message_unref(message);
        if (type == GST_MESSAGE_EOS || type == GST_MESSAGE_ERROR) {
            // Let go of the audio output until the next sound.
            gst_element_set_state(player_, GST_STATE_NULL);
            sounding_.clear();
        }
    }
}

} // namespace qc
