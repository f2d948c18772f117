// A script file's bytes as the program reads them: decoded into lines (UTF-8, UTF-16 or code
// page 932, at most 5000 lines), which must encode and decode back to themselves, and parsed
// into the script tables; then the same lines loaded through Script, alone and behind a long
// line that brings them to the character limit, so that the cut is made on every kind of line.
#include "platform/desktop/textcodec.h"
#include "script/script.h"
#include "script/scripttables.h"

#include "doubles/fakefiles.h"
#include "doubles/recordingmessagebox.h"

#include "fuzzcheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using namespace qc;

void checkTables(const ScriptContent& content, const QStringList& lines)
{
    FUZZ_CHECK(content.lineCount() == std::min<qsizetype>(lines.size(), kMaxScriptLines));
    for (int number = 1; number <= content.lineCount(); ++number) {
        const ScriptLine& line = content.line(number);
        FUZZ_CHECK(line.text == lines[number - 1]);
        FUZZ_CHECK(line.kind != LineKind::None);
        FUZZ_CHECK((line.kind == LineKind::Command) == (line.command != Command::None));
    }
    FUZZ_CHECK(!content.title.isEmpty());
    FUZZ_CHECK(content.header.isEmpty() || content.header.endsWith(QStringLiteral("\r\n")));
    FUZZ_CHECK(content.footer.isEmpty() || content.footer.endsWith(QStringLiteral("\r\n")));
}

// A long first line, then the lines: the limit falls three quarters of the way through
// their characters. The long line is raw data that every input shares, so the limit costs
// no copying of 2 million characters per input.
QStringList nearTheLimit(const QStringList& lines)
{
    static const QString filler(kMaxScriptCharacters, u'x');
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size();
    const qsizetype fillerSize = kMaxScriptCharacters - total * 3 / 4;
    return QStringList{QString::fromRawData(filler.constData(), fillerSize)} + lines;
}

// Script keeps a prefix of the file: whole lines, the last possibly cut, within the limit;
// it drops or cuts something only once the limit is (all but) reached.
void checkLoad(const QStringList& fileLines)
{
    const QString path = QStringLiteral("/show/s.txt");
    qc::test::FakeFiles files;
    qc::test::RecordingMessageBox messages;
    files.put(path, fileLines);
    Script script(files, files, messages);
    script.setLocation(ScriptLocation::ofPath(path));
    script.load();
    FUZZ_CHECK(messages.shown.isEmpty());

    const ScriptContent& content = script.content();
    const qsizetype offered = std::min<qsizetype>(fileLines.size(), kMaxScriptLines);
    FUZZ_CHECK(content.lineCount() <= offered);
    qsizetype total = 0;
    bool cut = content.lineCount() < offered;
    for (int number = 1; number <= content.lineCount(); ++number) {
        const QString& kept = content.line(number).text;
        const QString& written = fileLines[number - 1];
        total += kept.size();
        if (number < content.lineCount()) {
            FUZZ_CHECK(kept == written);
        } else {
            FUZZ_CHECK(written.startsWith(kept));
            cut = cut || kept.size() < written.size();
        }
    }
    FUZZ_CHECK(total <= kMaxScriptCharacters);
    // A cut never splits a surrogate pair, so it may stop one character short.
    FUZZ_CHECK(!cut || total >= kMaxScriptCharacters - 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = decodeTextLines(bytes, kMaxScriptLines);
    FUZZ_CHECK(lines.size() <= kMaxScriptLines);

    // What is read can be written and read back unchanged, whichever encoding it takes.
    FUZZ_CHECK(decodeTextLines(encodeTextLines(lines), kMaxScriptLines) == lines);

    checkTables(parseScript(lines, QStringLiteral("s.txt")), lines);
    checkLoad(lines);
    checkLoad(nearTheLimit(lines));
    return 0;
}
