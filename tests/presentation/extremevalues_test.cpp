#include "doubles/showrig.h"
#include "qtprinters.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace qc {
namespace {

// Numbers at and beyond every edge, in every notation a script may hold them.
const char* const kExtremeValues[] = {
    "1e308", "-1e308", "1e999999", "-1e999999", "1e-320", "-1e-320", "-0", "-0.0", "+0",
    "NaN", "-nan", "inf", "-Infinity", "&HFFFFFFFF", "&H80000000&", "&O37777777777",
    "99999999999999999999", "-32769", "32768", "65536", "2147483648", "-2147483649",
    "32767.5", "-32768.5", "0.5", "1.5", "1E+", "..5", "- 1", "１０", "0x10",
};

// Every number a script can give each command family, with the neighbours it needs to act.
const char* const kLineTemplates[] = {
    "@qc-set fontsize=\"%1\"", "@qc-set bold=\"%1\" italic=\"%1\"", "@qc-set left=\"%1\"",
    "@qc-set top=\"%1\"", "@qc-set width=\"%1\"", "@qc-set height=\"%1\"",
    "@qc-set clip=\"%1\"", "@qc-set shelter=\"%1\"",
    "@qc-subset id=\"%1\" show=\"1\" text=\"T\"", "@qc-subset id=\"0\" show=\"%1\" text=\"T\"",
    "@qc-subset id=\"1\" show=\"1\" text=\"T\" fontsize=\"%1\" capfontsize=\"%1\"",
    "@qc-subset id=\"1\" show=\"1\" text=\"T\" left=\"%1\" top=\"%1\"",
    "@qc-subset id=\"1\" show=\"1\" text=\"T\" width=\"%1\" height=\"%1\"",
    "@qc-subset id=\"2\" show=\"1\" picfilename=\"cat.png\" picpercent=\"%1\" picreverse=\"%1\"",
    "@qc-musicset show=\"%1\" musicfilename=\"bgm\\a.mp3\"",
    "@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\" channel=\"%1\" musicplay=\"%1\"",
    "@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\" musicvolume=\"%1\"",
    "@qc-musicset show=\"on\" musicfilename=\"bgm\\a.mp3\" musicposition=\"%1\" musicplay=\"1\"",
    "@qc-musicset show=\"on\" musictop=\"%1\" musicrepeat=\"%1\" soundplay=\"%1\"",
    "@qc-musicset show=\"on\" left=\"%1\" top=\"%1\"",
};

// Far beyond any screen, yet a window placed there is still a place a window system takes.
constexpr int kFarTwips = 15360 * 4;

void expectSaneWindows(const test::ShowRig& rig, const std::string& step)
{
    for (auto it = rig.loader.rects.cbegin(); it != rig.loader.rects.cend(); ++it) {
        const WindowRect& r = it.value();
        const std::string where = step + " / " + it.key().toStdString();
        EXPECT_LE(std::abs(r.left), kFarTwips) << where;
        EXPECT_LE(std::abs(r.top), kFarTwips) << where;
        EXPECT_GE(r.width, 0) << where;
        EXPECT_LE(r.width, kFarTwips) << where;
        EXPECT_GE(r.height, 0) << where;
        EXPECT_LE(r.height, kFarTwips) << where;
    }
}

// What reaches the media device stays within what it accepts.
void expectSaneMediaCommands(const QStringList& commands, const std::string& step)
{
    static const QRegularExpression volume(QStringLiteral("volume to (-?\\d+)$"));
    static const QRegularExpression seek(QStringLiteral("^Seek \\S+ to (-?\\d+)$"));
    for (const QString& command : commands) {
        if (const auto m = volume.match(command); m.hasMatch()) {
            const int v = m.captured(1).toInt();
            EXPECT_TRUE(v >= 0 && v <= 1000) << step << ": " << command.toStdString();
        }
        if (const auto m = seek.match(command); m.hasMatch()) {
            const int to = m.captured(1).toInt();
            EXPECT_TRUE(to >= 0 && to <= 60000) << step << ": " << command.toStdString();
        }
    }
}

// Each extreme number in each command is read to a value its key accepts (or refused), never
// to undefined behaviour: the sanitizer build stops at any bad conversion on the way.
TEST(ExtremeValues, EveryCommandNumberEndsWithinItsKeysRange)
{
    for (const char* value : kExtremeValues) {
        QStringList lines;
        for (const char* line : kLineTemplates)
            lines << QString::fromUtf8(line).arg(QString::fromUtf8(value)) << QStringLiteral("step") << QString();
        test::ShowRig rig(lines);
        for (const char* line : kLineTemplates) {
            const std::string step = QString::fromUtf8(line).arg(QString::fromUtf8(value)).toStdString();
            rig.nextAndPause();
            rig.timers.tickAll();
            expectSaneWindows(rig, step);
            expectSaneMediaCommands(rig.media.commands, step);
            rig.media.commands.clear();
            if (const test::FakeMusicPanelView* panel = rig.panelView()) {
                const int volume = panel->volumeText.toInt();
                EXPECT_TRUE(volume >= 0 && volume <= 100) << step << ": volume " << volume;
            }
        }
        // The last steps showed the music panel: the run went through every line.
        EXPECT_TRUE(rig.panelView()) << value;
    }
}

// Negative zero and a positive number too small to hold are zero where a place is read.
TEST(ExtremeValues, NegativeZeroAndVanishingNumbersPlaceAtZero)
{
    for (const char* value : {"-0", "-0.0", "1e-320"}) {
        const QString text = QString::fromUtf8(value);
        test::ShowRig rig({QStringLiteral("@qc-subset id=\"0\" show=\"1\" text=\"T\" left=\"%1\" top=\"%1\"").arg(text),
                           QStringLiteral("A")});
        rig.nextAndPause();
        ASSERT_TRUE(rig.subView(0)) << value;
        EXPECT_EQ(rig.subView(0)->rect().left, 0) << value;
        EXPECT_EQ(rig.subView(0)->rect().top, 0) << value;
    }
}

} // namespace
} // namespace qc
