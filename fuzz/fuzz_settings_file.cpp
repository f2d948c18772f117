// The bytes as a settings file QCST.INI, read as at start-up (decoding, taking the keys,
// checking them), written back as at the end and read again: a save must read back without
// complaint and give exactly the settings that were saved, so that what the operator had is
// what the next start has.
//
// The file is held as bytes in memory and goes through the program's own text encoding both
// ways (UTF-8, UTF-16 or code page 932 in; code page 932 or UTF-8 out), as on disk: the real
// files cost a quarter of the speed for nothing the platform tests do not already cover.
#include "platform/desktop/textcodec.h"
#include "platform/fileexistence.h"
#include "platform/textfiles.h"
#include "settings/settings.h"
#include "settings/settingsfile.h"

#include "doubles/fakefirstrunwindows.h"
#include "doubles/fakefontprobe.h"
#include "doubles/fakescreen.h"
#include "doubles/recordingmessagebox.h"

#include "fuzzcheck.h"

#include <QByteArray>
#include <QHash>

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

using namespace qc;

// Files as the bytes a disk would hold.
class EncodedFiles : public TextFiles, public FileExistence {
public:
    std::optional<QStringList> readLines(const QString& path, int maxLines) override
    {
        if (!bytes.contains(path))
            return std::nullopt;
        return decodeTextLines(bytes.value(path), maxLines);
    }
    bool writeLines(const QString& path, const QStringList& lines) override
    {
        bytes.insert(path, encodeTextLines(lines));
        return true;
    }
    bool fileExists(const QString& path) const override { return bytes.contains(path); }

    QHash<QString, QByteArray> bytes;
};

bool sameSettings(const Settings& a, const Settings& b)
{
    for (int i = 0; i < kSettingCount; ++i) {
        const SettingKey key = settingKeyAt(i);
        if (a.text(key) != b.text(key) || a.integer(key) != b.integer(key))
            return false;
    }
    return a.winTuneWidth == b.winTuneWidth && a.winTuneHeight == b.winTuneHeight;
}

void reportDifferences(const Settings& saved, const Settings& reread)
{
    for (int i = 0; i < kSettingCount; ++i) {
        const SettingKey key = settingKeyAt(i);
        if (saved.text(key) != reread.text(key) || saved.integer(key) != reread.integer(key))
            std::fprintf(stderr, "%.*s: saved \"%s\" (%d), read back \"%s\" (%d)\n", int(settingName(key).size()),
                         settingName(key).data(), qPrintable(saved.text(key)), saved.integer(key),
                         qPrintable(reread.text(key)), reread.integer(key));
    }
    std::fprintf(stderr, "frame allowances: saved %d x %d, read back %d x %d\n", saved.winTuneWidth,
                 saved.winTuneHeight, reread.winTuneWidth, reread.winTuneHeight);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString ini = QStringLiteral("/prog/QCST.INI");
    EncodedFiles files;
    files.bytes.insert(ini, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    test::RecordingMessageBox messages;
    test::FakeScreen screen;
    test::FakeFontProbe fonts;
    test::FakeFirstRunWindows windows;
    SettingsFile settingsFile(files, files, messages, screen, fonts);
    const SettingsPlace place{ini, QStringLiteral("/prog/"), QStringLiteral("6.001")};

    // Whatever the file holds, the first read may complain; the save must not.
    Settings saved;
    settingsFile.read(saved, place, windows);
    messages.shown.clear();
    settingsFile.write(saved, ini);
    FUZZ_CHECK(messages.shown.isEmpty());

    Settings reread;
    settingsFile.read(reread, place, windows);
    FUZZ_CHECK(messages.shown.isEmpty());
    if (!sameSettings(saved, reread))
        reportDifferences(saved, reread);
    FUZZ_CHECK(sameSettings(saved, reread));
    FUZZ_CHECK(windows.measured == 0);
    return 0;
}
