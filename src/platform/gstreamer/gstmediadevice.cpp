#include "platform/gstreamer/gstmediadevice.h"

#include "platform/gstreamer/gstsupport.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace qc {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// An open waits for the first buffers to reach the sink, and measures the length where the
// player cannot tell it yet, so that the length is known when it returns: all of it at most
// this long. A file that takes longer is refused rather than freezing the window that asked.
constexpr auto kOpenWait = 3000ms;
// A seek waits for the new position to be reached, so that the next status query reads it.
constexpr auto kSeekWait = 1000ms;

constexpr unsigned kMaxVolume = 1000;

bool isKeyword(const QString& word, const char* keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// A decimal number of plain digits (no sign, no blanks).
bool readCount(const QString& text, qint64& value)
{
    if (text.isEmpty() || text.size() > 18)
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    value = text.toLongLong();
    return true;
}

qint64 queryLengthMs(GstElement* pipeline)
{
    gint64 duration = -1;
    if (!gst_element_query_duration(pipeline, GST_FORMAT_TIME, &duration) || duration < 0)
        return -1;
    return duration / GST_MSECOND;
}

std::chrono::milliseconds remainingUntil(Clock::time_point deadline)
{
    return std::max(0ms, std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()));
}

// Brings a pipeline to PAUSED with its first buffers at the sink; false on an error, an
// empty stream or no preroll by `deadline`.
bool prerollUntil(GstElement* pipeline, Clock::time_point deadline)
{
    const GstStateChangeReturn change = gst_element_set_state(pipeline, GST_STATE_PAUSED);
    if (change == GST_STATE_CHANGE_FAILURE)
        return false;
    bool prerolled = change != GST_STATE_CHANGE_ASYNC;
    while (!prerolled) {
        GstMessage* message = gstreamer::nextMessage(pipeline, remainingUntil(deadline));
        if (!message)
            return false;
        const GstMessageType type = GST_MESSAGE_TYPE(message);
        gst_message_unref(message);
        if (type == GST_MESSAGE_ERROR || type == GST_MESSAGE_EOS)
            return false;
        prerolled = type == GST_MESSAGE_ASYNC_DONE;
    }
    return true;
}

} // namespace

struct GstMediaDevice::Player {
    explicit Player(GstElement* player) : pipeline(player) {}
    ~Player() { gstreamer::releasePipeline(pipeline); }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    GstElement* pipeline;
    bool playing = false;  // asked to play and not yet at the end
    bool atEnd = false;    // ran to the end; nothing moved it since
    bool broken = false;   // an error stopped the stream for good
    bool neverPlayed = true;  // its audio output was opened at the open and never started
    qint64 lengthMs = 0;   // settled at the open (later estimates of an MP3 wander); 0: unknown
    qint64 lastPositionMs = 0;

    void handle(GstMessage* message)
    {
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_EOS:
            // Paused at the end, so that the position stays there and the sink lets go.
            playing = false;
            atEnd = true;
            lastPositionMs = lengthMs;
            gst_element_set_state(pipeline, GST_STATE_PAUSED);
            break;
        case GST_MESSAGE_ERROR: {
            GError* error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            qWarning("media device: playback failed: %s", error ? error->message : "unknown error");
            g_clear_error(&error);
            playing = false;
            broken = true;
            gst_element_set_state(pipeline, GST_STATE_NULL);
            break;
        }
        case GST_MESSAGE_CLOCK_LOST:
            // The audio output that gave the clock went away: going through PAUSED picks
            // a new one.
            if (playing) {
                gst_element_set_state(pipeline, GST_STATE_PAUSED);
                gst_element_set_state(pipeline, GST_STATE_PLAYING);
            }
            break;
        default:
            break;
        }
    }

    qint64 positionMs()
    {
        if (atEnd)
            return lengthMs;
        gint64 position = -1;
        if (!broken && gst_element_query_position(pipeline, GST_FORMAT_TIME, &position)
            && position >= 0) {
            lastPositionMs = position / GST_MSECOND;
            if (lengthMs > 0)
                lastPositionMs = std::min(lastPositionMs, lengthMs);
        }
        return lastPositionMs;
    }

    unsigned volume() const
    {
        const double level = gstreamer::playerVolume(pipeline);
        return unsigned(std::clamp<long>(std::lround(level * kMaxVolume), 0, kMaxVolume));
    }

    bool seek(qint64 ms)
    {
        return gst_element_seek_simple(pipeline, GST_FORMAT_TIME,
                                       GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                       ms * GST_MSECOND);
    }
};

GstMediaDevice::GstMediaDevice() = default;

GstMediaDevice::~GstMediaDevice() = default;

GstMediaDevice::Player* GstMediaDevice::find(const QString& alias)
{
    const auto it = players_.find(alias.toCaseFolded());
    return it == players_.end() ? nullptr : it->second.get();
}

void GstMediaDevice::pollMessages()
{
    for (auto& [alias, player] : players_) {
        while (GstMessage* message = gstreamer::nextMessage(player->pipeline, 0ms)) {
            player->handle(message);
            gst_message_unref(message);
        }
    }
}

unsigned GstMediaDevice::open(const QString& path, const QString& alias)
{
    if (find(alias))
        return AliasInUse;
    if (!gstreamer::isReadableFile(path))
        return FileNotFound;
    GstElement* pipeline = gstreamer::makeAudioPlayer();
    if (!pipeline)
        return DeviceFailed;
    auto player = std::make_unique<Player>(pipeline);
    if (!gstreamer::setPlayerFile(pipeline, path))
        return FileNotFound;

    const auto deadline = Clock::now() + kOpenWait;
    if (!prerollUntil(pipeline, deadline))
        return CannotOpen;

    qint64 length = queryLengthMs(pipeline);
    if (length < 0)
        length = gstreamer::measureLengthMs(path, deadline);
    player->lengthMs = std::max<qint64>(length, 0);
    gstreamer::setPlayerVolume(pipeline, 1.0);
    players_.emplace(alias.toCaseFolded(), std::move(player));
    return 0;
}

MediaReply GstMediaDevice::send(const QString& command)
{
    pollMessages();

    static const QRegularExpression openCommand(
        QStringLiteral(R"re(^open "(.*)" alias (\S+) type mpegvideo$)re"),
        QRegularExpression::CaseInsensitiveOption);
    if (const auto match = openCommand.match(command); match.hasMatch())
        return {open(match.captured(1), match.captured(2)), {}};

    const QStringList words = command.split(u' ');
    if (words.size() < 2 || words.contains(QString()))
        return {UnrecognisedCommand, {}};
    const QString& verb = words[0];
    const int count = int(words.size());
    enum class Kind { Close, Play, Stop, Seek, Volume, Status } kind;
    if (isKeyword(verb, "close") && count == 2)
        kind = Kind::Close;
    else if (isKeyword(verb, "play") && count == 2)
        kind = Kind::Play;
    else if (isKeyword(verb, "stop") && count == 2)
        kind = Kind::Stop;
    else if (isKeyword(verb, "seek") && count == 4 && isKeyword(words[2], "to"))
        kind = Kind::Seek;
    else if (isKeyword(verb, "setaudio") && count == 5 && isKeyword(words[2], "volume")
             && isKeyword(words[3], "to"))
        kind = Kind::Volume;
    else if (isKeyword(verb, "status") && count == 3)
        kind = Kind::Status;
    else
        return {UnrecognisedCommand, {}};

    qint64 number = 0;
    if ((kind == Kind::Seek || kind == Kind::Volume) && !readCount(words[count - 1], number))
        return {UnrecognisedCommand, {}};
    enum class Item { Position, Length, Mode, Volume } item = Item::Mode;
    if (kind == Kind::Status) {
        if (isKeyword(words[2], "position"))
            item = Item::Position;
        else if (isKeyword(words[2], "length"))
            item = Item::Length;
        else if (isKeyword(words[2], "mode"))
            item = Item::Mode;
        else if (isKeyword(words[2], "volume"))
            item = Item::Volume;
        else
            return {UnrecognisedCommand, {}};
    }

    Player* player = find(words[1]);
    if (!player)
        return {UnknownAlias, {}};

    switch (kind) {
    case Kind::Close:
        players_.erase(words[1].toCaseFolded());
        return {};
    case Kind::Play:
        if (player->broken)
            return {DeviceFailed, {}};
        if (player->atEnd) {
            // Playing from the very end would end at once: start the piece again.
            player->seek(0);
            player->atEnd = false;
            player->lastPositionMs = 0;
        }
        if (player->neverPlayed) {
            // An audio output opened at the open and started only now would first play as
            // much silence as the time in between (the sink places the first samples by the
            // clock of its opening): open it afresh, where the piece is, and start at once.
            const qint64 from = player->positionMs();
            gst_element_set_state(player->pipeline, GST_STATE_READY);
            if (!prerollUntil(player->pipeline, Clock::now() + kOpenWait)
                || (from > 0 && !player->seek(from)))
                return {DeviceFailed, {}};
            player->neverPlayed = false;
        }
        if (gst_element_set_state(player->pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
            return {DeviceFailed, {}};
        player->playing = true;
        return {};
    case Kind::Stop:
        if (!player->broken) {
            player->positionMs();
            gst_element_set_state(player->pipeline, GST_STATE_PAUSED);
        }
        player->playing = false;
        return {};
    case Kind::Seek:
        if (player->broken)
            return {DeviceFailed, {}};
        if (player->lengthMs > 0 && number > player->lengthMs)
            return {OutOfRange, {}};
        if (!player->seek(number))
            return {DeviceFailed, {}};
        player->atEnd = false;
        player->lastPositionMs = number;
        // Bounded: the position is settled for the next query in all but a stalled stream.
        gst_element_get_state(player->pipeline, nullptr, nullptr,
                              GstClockTime(std::chrono::milliseconds(kSeekWait).count()) * GST_MSECOND);
        return {};
    case Kind::Volume:
        if (number > kMaxVolume)
            return {OutOfRange, {}};
        gstreamer::setPlayerVolume(player->pipeline, double(number) / kMaxVolume);
        return {};
    case Kind::Status:
        switch (item) {
        case Item::Position:
            return {0, QString::number(player->positionMs())};
        case Item::Length:
            return {0, QString::number(player->lengthMs)};
        case Item::Mode:
            return {0, player->playing ? QStringLiteral("playing") : QStringLiteral("stopped")};
        case Item::Volume:
            return {0, QString::number(player->volume())};
        }
    }
    return {UnrecognisedCommand, {}};
}

} // namespace qc
