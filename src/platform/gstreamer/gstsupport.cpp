#include "platform/gstreamer/gstsupport.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <mutex>

namespace qc::gstreamer {

using namespace std::chrono_literals;

namespace {

// The environment variable that replaces the desktop's audio output with any GStreamer sink
// description, e.g. "fakesink sync=true" for tests on machines without sound.
constexpr char kSinkVariable[] = "QUILLCAST_AUDIO_SINK";

// Everything else (state changes, tags, stream status, QoS...) would pile up on a bus that
// nobody reads between two commands.
GstBusSyncReply keepPlayerMessages(GstBus*, GstMessage* message, gpointer)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
    case GST_MESSAGE_ERROR:
    case GST_MESSAGE_ASYNC_DONE:
    case GST_MESSAGE_CLOCK_LOST:
        return GST_BUS_PASS;
    default:
        gst_message_unref(message);
        return GST_BUS_DROP;
    }
}

// The decoder's raw audio goes to the one chain there is; a second audio stream, if any,
// stays unlinked.
void linkDecodedAudio(GstElement* /*decoder*/, GstPad* pad, gpointer chainInput)
{
    auto* input = static_cast<GstPad*>(chainInput);
    if (!gst_pad_is_linked(input))
        gst_pad_link(pad, input);
}

// A file without audio would otherwise never preroll: it fails at once, as any file that
// cannot play does.
void failWithoutAudio(GstElement* decoder, gpointer chainInput)
{
    if (gst_pad_is_linked(static_cast<GstPad*>(chainInput)))
        return;
    GError* error = g_error_new_literal(GST_STREAM_ERROR, GST_STREAM_ERROR_WRONG_TYPE, "the file holds no audio");
    gst_element_post_message(decoder, gst_message_new_error(GST_OBJECT(decoder), error, nullptr));
    g_error_free(error);
}

// `description` names the audio sink; empty: the desktop's default output. The pipeline is
// built by hand rather than with playbin: playbin keeps a few kilobytes for good with every
// file it opens, which a long show opening thousands of pieces would feel.
GstElement* makePlayer(const QByteArray& description)
{
    if (!ensureStarted())
        return nullptr;
    GstElement* sink = nullptr;
    if (description.isEmpty()) {
        sink = gst_element_factory_make("autoaudiosink", nullptr);
    } else {
        GError* error = nullptr;
        sink = gst_parse_bin_from_description(description.constData(), TRUE, &error);
        if (!sink) {
            // Asked for a particular output: never fall back to the speakers behind its back.
            qWarning("%s=\"%s\" is not a usable GStreamer sink: %s", kSinkVariable,
                     description.constData(), error ? error->message : "unknown error");
            g_clear_error(&error);
            return nullptr;
        }
        g_clear_error(&error);  // a description can parse with a recoverable warning
    }
    GstElement* decoder = gst_element_factory_make("uridecodebin", "decoder");
    GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
    GstElement* resample = gst_element_factory_make("audioresample", nullptr);
    GstElement* volume = gst_element_factory_make("volume", "volume");
    GstElement* pipeline = gst_pipeline_new(nullptr);
    if (!sink || !decoder || !convert || !resample || !volume || !pipeline) {
        for (GstElement* element : {sink, decoder, convert, resample, volume, pipeline}) {
            if (element)
                gst_object_unref(gst_object_ref_sink(element));
        }
        return nullptr;
    }
    gst_object_ref_sink(pipeline);
    gst_bin_add_many(GST_BIN(pipeline), decoder, convert, resample, volume, sink, nullptr);
    gst_element_link_many(convert, resample, volume, sink, nullptr);

    GstCaps* audio = gst_caps_new_empty_simple("audio/x-raw");
    g_object_set(decoder, "caps", audio, "expose-all-streams", FALSE, nullptr);
    gst_caps_unref(audio);
    GstPad* input = gst_element_get_static_pad(convert, "sink");
    // The chain's input lives as long as the pipeline, which owns the signals' sources too.
    g_signal_connect(decoder, "pad-added", G_CALLBACK(linkDecodedAudio), input);
    g_signal_connect(decoder, "no-more-pads", G_CALLBACK(failWithoutAudio), input);
    gst_object_unref(input);

    GstBus* bus = gst_element_get_bus(pipeline);
    gst_bus_set_sync_handler(bus, keepPlayerMessages, nullptr, nullptr);
    gst_object_unref(bus);
    return pipeline;
}

template <typename Use>
void withChild(GstElement* player, const char* name, Use use)
{
    if (GstElement* child = gst_bin_get_by_name(GST_BIN(player), name)) {
        use(child);
        gst_object_unref(child);
    }
}

} // namespace

bool ensureStarted()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] {
        GError* error = nullptr;
        started = gst_init_check(nullptr, nullptr, &error);
        if (!started) {
            qWarning("GStreamer cannot start: %s", error ? error->message : "unknown error");
            g_clear_error(&error);
        }
    });
    return started;
}

GstElement* makeAudioPlayer()
{
    return makePlayer(qgetenv(kSinkVariable));
}

qint64 measureLengthMs(const QString& path, std::chrono::steady_clock::time_point deadline)
{
    GstElement* probe = makePlayer("fakesink sync=false");
    if (!probe)
        return -1;
    qint64 length = -1;
    if (setPlayerFile(probe, path)
        && gst_element_set_state(probe, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE) {
        // The parser estimates the length after a few dozen frames; a file too short for that
        // ends first, and its end position is its length.
        while (length < 0 && std::chrono::steady_clock::now() < deadline) {
            GstMessage* message = nextMessage(probe, 10ms);
            const GstMessageType type = message ? GST_MESSAGE_TYPE(message) : GST_MESSAGE_UNKNOWN;
            if (message)
                gst_message_unref(message);
            gint64 nanoseconds = -1;
            if (type == GST_MESSAGE_ERROR)
                break;
            if (type == GST_MESSAGE_EOS) {
                if (gst_element_query_position(probe, GST_FORMAT_TIME, &nanoseconds) && nanoseconds >= 0)
                    length = nanoseconds / GST_MSECOND;
                break;
            }
            if (gst_element_query_duration(probe, GST_FORMAT_TIME, &nanoseconds) && nanoseconds >= 0)
                length = nanoseconds / GST_MSECOND;
        }
    }
    releasePipeline(probe);
    return length;
}

bool setPlayerFile(GstElement* player, const QString& path)
{
    GError* error = nullptr;
    gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), &error);
    g_clear_error(&error);
    if (!uri)
        return false;
    withChild(player, "decoder", [uri](GstElement* decoder) { g_object_set(decoder, "uri", uri, nullptr); });
    g_free(uri);
    return true;
}

void setPlayerVolume(GstElement* player, double volume)
{
    withChild(player, "volume", [volume](GstElement* element) { g_object_set(element, "volume", volume, nullptr); });
}

double playerVolume(GstElement* player)
{
    gdouble volume = 0.0;
    withChild(player, "volume", [&volume](GstElement* element) { g_object_get(element, "volume", &volume, nullptr); });
    return volume;
}

bool isReadableFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

GstMessage* nextMessage(GstElement* pipeline, std::chrono::milliseconds wait)
{
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* message = gst_bus_timed_pop(bus, GstClockTime(wait.count()) * GST_MSECOND);
    gst_object_unref(bus);
    return message;
}

void releasePipeline(GstElement* pipeline)
{
    if (!pipeline)
        return;
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
}

} // namespace qc::gstreamer
