#include "platform/gstreamer/gstsupport.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <mutex>

namespace qc::gstreamer {

using namespace std::chrono_literals;

namespace {

// playbin's GstPlayFlags (the enum is private to the plugin).
constexpr guint kPlayFlagAudio = 0x02;
constexpr guint kPlayFlagSoftVolume = 0x10;

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

// `description` names the audio sink; empty: the desktop's default.
GstElement* makePlaybin(const QByteArray& description)
{
    if (!ensureStarted())
        return nullptr;
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (!playbin)
        return nullptr;
    gst_object_ref_sink(playbin);
    g_object_set(playbin, "flags", kPlayFlagAudio | kPlayFlagSoftVolume, nullptr);

    if (!description.isEmpty()) {
        GError* error = nullptr;
        GstElement* sink = gst_parse_bin_from_description(description.constData(), TRUE, &error);
        if (!sink) {
            // Asked for a particular output: never fall back to the speakers behind its back.
            qWarning("%s=\"%s\" is not a usable GStreamer sink: %s", kSinkVariable,
                     description.constData(), error ? error->message : "unknown error");
            g_clear_error(&error);
            gst_object_unref(playbin);
            return nullptr;
        }
        g_clear_error(&error);  // a description can parse with a recoverable warning
        g_object_set(playbin, "audio-sink", sink, nullptr);
    }
    // Without a sink of our own playbin takes autoaudiosink, the desktop's default output.

    GstBus* bus = gst_element_get_bus(playbin);
    gst_bus_set_sync_handler(bus, keepPlayerMessages, nullptr, nullptr);
    gst_object_unref(bus);
    return playbin;
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

GstElement* makeAudioPlaybin()
{
    return makePlaybin(qgetenv(kSinkVariable));
}

qint64 measureLengthMs(const QString& path, std::chrono::steady_clock::time_point deadline)
{
    GstElement* probe = makePlaybin("fakesink sync=false");
    if (!probe)
        return -1;
    qint64 length = -1;
    if (setPlaybinFile(probe, path)
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

bool setPlaybinFile(GstElement* playbin, const QString& path)
{
    GError* error = nullptr;
    gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), &error);
    g_clear_error(&error);
    if (!uri)
        return false;
    g_object_set(playbin, "uri", uri, nullptr);
    g_free(uri);
    return true;
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
