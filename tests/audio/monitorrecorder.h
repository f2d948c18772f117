#pragma once

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <QByteArray>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <vector>

namespace qc::test {

// Listens to a sound server's source (a null sink's monitor) in small fragments and notes,
// for each fragment, when it arrived and how loud it was. What a user's recorder would hear.
class MonitorRecorder {
public:
    using Clock = std::chrono::steady_clock;

    // `fragmentUs`: how much sound each fragment holds, the resolution of the times found.
    explicit MonitorRecorder(const char* source, int fragmentUs = 5000)
    {
        if (!gst_init_check(nullptr, nullptr, nullptr))
            return;
        const QByteArray description =
            QByteArray("pulsesrc name=source ! audio/x-raw,format=S16LE,rate=48000,channels=1"
                       " ! appsink name=out sync=false");
        pipeline_ = gst_parse_launch(description.constData(), nullptr);
        if (!pipeline_)
            return;
        GstElement* pulse = gst_bin_get_by_name(GST_BIN(pipeline_), "source");
        g_object_set(pulse, "device", source, "latency-time", gint64(fragmentUs),
                     "buffer-time", gint64(fragmentUs) * 4, nullptr);
        gst_object_unref(pulse);
        GstElement* out = gst_bin_get_by_name(GST_BIN(pipeline_), "out");
        GstAppSinkCallbacks callbacks{};
        callbacks.new_sample = &MonitorRecorder::sampleArrived;
        gst_app_sink_set_callbacks(GST_APP_SINK(out), &callbacks, this, nullptr);
        gst_object_unref(out);
    }

    ~MonitorRecorder()
    {
        if (pipeline_) {
            gst_element_set_state(pipeline_, GST_STATE_NULL);
            gst_object_unref(pipeline_);
        }
    }

    // Starts listening; false when the source cannot be opened.
    bool start()
    {
        if (!pipeline_ || gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
            return false;
        GstState state = GST_STATE_NULL;
        return gst_element_get_state(pipeline_, &state, nullptr, 5 * GST_SECOND) != GST_STATE_CHANGE_FAILURE
            && state == GST_STATE_PLAYING;
    }

    // The loudest sample heard since `since`, 0..32767.
    int peakSince(Clock::time_point since) const
    {
        std::lock_guard lock(mutex_);
        int peak = 0;
        for (const Fragment& fragment : fragments_)
            if (fragment.arrived >= since)
                peak = std::max(peak, fragment.peak);
        return peak;
    }

    // When the first fragment louder than `threshold` arrived after `since`.
    std::optional<Clock::time_point> firstSoundSince(Clock::time_point since, int threshold) const
    {
        std::lock_guard lock(mutex_);
        for (const Fragment& fragment : fragments_)
            if (fragment.arrived >= since && fragment.peak > threshold)
                return fragment.arrived;
        return std::nullopt;
    }

private:
    struct Fragment {
        Clock::time_point arrived;
        int peak = 0;
    };

    static GstFlowReturn sampleArrived(GstAppSink* sink, gpointer self)
    {
        const Clock::time_point arrived = Clock::now();
        GstSample* sample = gst_app_sink_pull_sample(sink);
        if (!sample)
            return GST_FLOW_EOS;
        int peak = 0;
        GstMapInfo map;
        GstBuffer* buffer = gst_sample_get_buffer(sample);
        if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            const auto* samples = reinterpret_cast<const std::int16_t*>(map.data);
            for (gsize i = 0; i < map.size / sizeof(std::int16_t); ++i)
                peak = std::max(peak, std::abs(int(samples[i])));
            gst_buffer_unmap(buffer, &map);
        }
        gst_sample_unref(sample);
        auto* recorder = static_cast<MonitorRecorder*>(self);
        std::lock_guard lock(recorder->mutex_);
        recorder->fragments_.push_back({arrived, std::min(peak, 32767)});
        return GST_FLOW_OK;
    }

    GstElement* pipeline_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<Fragment> fragments_;
};

} // namespace qc::test
