// A script and what an operator does with it, through the whole presentation: the stepping
// engine, the display, sub display and music commands, the sub display windows and the music
// panel loading and closing through the window manager, the music engine over a recording
// media device.
//
// Input: the script as UTF-8 text, a NUL byte, then one byte per operator action:
//   n Next   N Next without clipboard   b Back   B Back without clipboard   t Top   e Bottom
//   j<text>; a jump to <text>           J<text>; <text> typed into the jump box, then Next
// Other bytes stand for one of the first six. Time passes after every action. Without a NUL
// byte the operator presses Next until the end of the script.
#include "doubles/showrig.h"

#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace qc;

constexpr int kMaxActions = 200;
constexpr qsizetype kMaxJumpText = 12;

QStringList scriptLines(QByteArrayView bytes)
{
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

// The pointer stays within the header, the lines and the footer, the controller shows it once
// a step was taken, and the step table that Back searches stays in ascending order.
void checkPointer(test::ShowRig& rig)
{
    const int pointer = rig.engine.stepPointer();
    const int lineCount = rig.script.content().lineCount();
    FUZZ_CHECK(pointer >= 0 && pointer <= lineCount + 1);
    FUZZ_CHECK(rig.controller.pointer == -1 || rig.controller.pointer == pointer);
    const std::vector<int>& history = rig.engine.stepHistory();
    for (std::size_t i = 0; i < history.size(); ++i) {
        FUZZ_CHECK(history[i] >= 1 && history[i] <= lineCount);
        FUZZ_CHECK(i == 0 || history[i - 1] < history[i]);
    }
}

// The text of a jump: up to the next ';', at most a few bytes.
QString jumpText(QByteArrayView actions, qsizetype& at)
{
    const qsizetype start = at;
    while (at < actions.size() && actions[at] != ';' && at - start < kMaxJumpText)
        ++at;
    const QString text = QString::fromUtf8(actions.sliced(start, at - start));
    if (at < actions.size() && actions[at] == ';')
        ++at;
    return text;
}

void act(test::ShowRig& rig, QByteArrayView actions)
{
    qsizetype at = 0;
    for (int count = 0; count < kMaxActions && at < actions.size(); ++count) {
        const char action = actions[at++];
        switch (action) {
        case 'j':
            rig.engine.jump(jumpText(actions, at));
            break;
        case 'J':
            rig.controller.jump = jumpText(actions, at);
            rig.engine.next();
            break;
        default:
            switch (action == 'n' ? 0 : action == 'N' ? 1 : action == 'b' ? 2 : action == 'B' ? 3
                    : action == 't' ? 4 : action == 'e' ? 5 : static_cast<unsigned char>(action) % 6) {
            case 0: rig.engine.next(); break;
            case 1: rig.engine.nextWithoutClipboard(); break;
            case 2: rig.engine.back(); break;
            case 3: rig.engine.backWithoutClipboard(); break;
            case 4: rig.engine.top(); break;
            case 5: rig.engine.bottom(); break;
            }
        }
        rig.timers.letTimePass();
        checkPointer(rig);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype nul = bytes.indexOf('\0');

    test::ShowRig rig(scriptLines(nul < 0 ? bytes : bytes.first(nul)));
    checkPointer(rig);
    if (nul >= 0) {
        act(rig, bytes.sliced(nul + 1));
    } else {
        for (int count = 0; count < kMaxActions && rig.engine.stepPointer() <= rig.script.content().lineCount();
             ++count) {
            rig.nextAndPause();
            rig.timers.letTimePass();
            checkPointer(rig);
        }
    }
    rig.engine.endRun();
    return 0;
}
