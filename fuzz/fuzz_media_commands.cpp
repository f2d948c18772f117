// One command text, as UTF-8, sent to the GStreamer media device: the parsing of every
// command form, aliases in any case and numbers of any length. An open is sent with a path
// that does not exist, so that it fails at once instead of waiting for a preroll.
#include "platform/gstreamer/gstmediadevice.h"

#include "fuzzcheck.h"

#include <QDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

using namespace qc;

GstMediaDevice* device = nullptr;
QString missingFile;

// The command with whatever stands between its first and its last double quote replaced by
// the missing file, when it is an open.
QString withoutRealFiles(const QString& command)
{
    if (!command.startsWith(QLatin1String("open"), Qt::CaseInsensitive))
        return command;
    const qsizetype first = command.indexOf(u'"');
    const qsizetype last = command.lastIndexOf(u'"');
    if (first < 0 || last <= first)
        return command;
    return command.left(first + 1) + missingFile + command.mid(last);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Silent, and no faster or slower than the machine: nothing here should reach a sink.
    setenv("QUILLCAST_AUDIO_SINK", "fakesink", 1);
    missingFile = QDir::tempPath() + QStringLiteral("/quillcast-fuzz-%1/missing.wav").arg(getpid());
    device = new GstMediaDevice;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString command =
        withoutRealFiles(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    const MediaReply reply = device->send(command);
    // Nothing is ever open: no command succeeds, none answers a text.
    FUZZ_CHECK(reply.code != 0);
    FUZZ_CHECK(reply.text.isEmpty());
    FUZZ_CHECK(reply.code <= GstMediaDevice::DeviceFailed);
    return 0;
}
