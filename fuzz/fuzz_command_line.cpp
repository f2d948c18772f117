// One script line as UTF-8 text: split into command parameters, with and without the
// keyword, and put through every clip token operation as a step text and as a sub display
// value. What follows a NUL byte, if anything, is the reading-pause text of "@clpspc@".
#include "script/asciicase.h"
#include "script/cliptokens.h"
#include "script/commandparameters.h"
#include "script/texthelpers.h"

#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace qc;

void checkParameters(const QString& text)
{
    const CommandParameters all = parseCommandParameters(text, false);
    FUZZ_CHECK(all.count() <= kMaxCommandTokens);
    FUZZ_CHECK(all.keys.size() == all.count() && all.values.size() == all.count());
    for (qsizetype i = 0; i < all.count(); ++i) {
        FUZZ_CHECK(!all.tokens[i].isEmpty());
        FUZZ_CHECK(text.contains(all.tokens[i]));
        FUZZ_CHECK(all.keys[i] == all.keys[i].toLower());
        FUZZ_CHECK(all.tokens[i].contains(all.values[i]));
    }
    FUZZ_CHECK(all.token(all.count() + 1).isEmpty());

    const CommandParameters rest = parseCommandParameters(text, true);
    FUZZ_CHECK(rest.tokens == all.tokens.mid(1));
    FUZZ_CHECK(rest.keys == all.keys.mid(1));
    FUZZ_CHECK(rest.values == all.values.mid(1));
}

void checkClipTokens(const QString& text, const QString& pause)
{
    // Every token only ever shortens a text; no "@ent@" survives its replacement.
    FUZZ_CHECK(stripClipTokens(text).size() <= text.size());
    const QString entered = replaceEnterTokens(text);
    FUZZ_CHECK(entered.size() <= text.size());
    FUZZ_CHECK(indexOfAscii(entered, QLatin1String("@ent@")) < 0);

    // Each operation on its own, then one scratch state through a whole step and a value.
    for (int operation = 0; operation < 4; ++operation) {
        ClipTokens tokens;
        QString shown;
        switch (operation) {
        case 0: shown = tokens.clipSendSplit(text); break;
        case 1: shown = tokens.clipSpaceTokens(text, pause); break;
        case 2: shown = tokens.clipSwitchTokens(text); break;
        case 3: shown = tokens.clipCopyTokens(text); break;
        }
        FUZZ_CHECK(shown.size() <= text.size());
    }

    ClipTokens tokens;
    const StepTexts step = tokens.finishStep(text, text, pause);
    FUZZ_CHECK(step.display.size() <= text.size());
    const QString value = tokens.subDisplayValue(text, pause);
    FUZZ_CHECK(value.size() <= text.size());
    tokens.subDisplayValue(step.clip, pause);
    tokens.finishStep(value, tokens.subClipText(), pause);
    tokens.clearSubClipText();
    FUZZ_CHECK(tokens.subClipText().isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype nul = bytes.indexOf('\0');
    const QString text = QString::fromUtf8(nul < 0 ? bytes : bytes.first(nul));
    // The setting that holds the pause text keeps at most 80 characters.
    const QString pause = nul < 0 ? QStringLiteral(",,,,,") : limitLength(QString::fromUtf8(bytes.sliced(nul + 1)), 80);

    checkParameters(text);
    checkClipTokens(text, pause);
    return 0;
}
