#include "music/musiccommands.h"

#include "music/musicengine.h"
#include "music/musicpanelhost.h"
#include "music/musicpanellogic.h"
#include "platform/fileexistence.h"
#include "platform/screen.h"
#include "script/commandchecks.h"
#include "script/commandparameters.h"
#include "script/keynames.h"
#include "script/numbers.h"
#include "script/paths.h"
#include "script/script.h"
#include "script/scripttables.h"
#include "script/texthelpers.h"
#include "windows/presentationwindows.h"

#include <cmath>

namespace qc {

namespace {

using namespace musicslot;

const QString kReset = QStringLiteral("reset");
const QString kZero = QStringLiteral("0");
const QString kHundred = QStringLiteral("100");

const QLatin1String kMusicExtensions[] = {
    QLatin1String(".mp3"), QLatin1String(".mid"), QLatin1String(".midi"), QLatin1String(".rmi"),
    QLatin1String(".wav"), QLatin1String(".wma"), QLatin1String(".m4a"), QLatin1String(".ogg"),
    QLatin1String(".aiff"), QLatin1String(".aif"), QLatin1String(".au"), QLatin1String(".flac"),
};

// Where a panel put back to its default place goes: 1 % from the left, 77.6 % down.
constexpr double kResetLeftShare = 0.01;
constexpr double kResetTopShare = 0.776;

int integerPart(double value)
{
    return int(std::floor(value));
}

} // namespace

QString musicPanelTitle(const MusicRecords& records, int channel)
{
    if (!records.of(0)[Title].isEmpty())
        return records.of(0)[Title];
    const QString name = fileNameOfPath(records.of(channel)[MusicFileName]);
    return name.isEmpty() ? QStringLiteral("音楽") : name;
}

MusicCommands::MusicCommands(Parts parts, const Screen& screen, const FileExistence& files)
    : CommandFamily(Command::MusicSet, Command::MusicReset), parts_(parts), screen_(screen), files_(files)
{
}

void MusicCommands::stageKeys(const QString& line)
{
    const CommandParameters params = parseCommandParameters(line, true);
    for (qsizetype i = 0; i < params.count(); ++i) {
        if (const int slot = keySlot(kMusicKeyNames, params.keys[i])) {
            staging_.values[std::size_t(slot)] = params.values[i];
            staging_.pending = true;
        }
    }
}

// Only a music panel on the screen goes back to its defaults.
void MusicCommands::stageReset()
{
    if (parts_.showStates.panelShowState() != 2)
        return;
    for (std::size_t slot = SoundFileName; slot <= Title; ++slot)
        staging_.values[slot] = kReset;
    staging_.anyKeySet = QStringLiteral("1");
    staging_.pending = true;
}

// The value as written when it names, against the script's folder, an existing file of the
// right kind in 5 to 300 characters; "" otherwise.
QString MusicCommands::checkedFile(const QString& value, bool music) const
{
    const QString path = resolveScriptFile(parts_.script.location().folder, value);
    if (path.size() < 5 || path.size() > 300)
        return {};
    bool rightKind = false;
    if (music) {
        for (const QLatin1String extension : kMusicExtensions)
            rightKind = rightKind || path.endsWith(extension, Qt::CaseInsensitive);
    } else {
        rightKind = path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive);
    }
    return rightKind && files_.fileExists(path) ? value : QString();
}

void MusicCommands::check()
{
    MusicValues& values = staging_.values;
    const auto check = [&](std::size_t slot, auto checked) {
        QString& value = values[slot];
        if (!value.isEmpty()) {
            if (slot >= SoundFileName && isResetWord(value))
                value = kReset;
            else
                value = checked(value);
        }
        if (!value.isEmpty())
            staging_.anyKeySet = QStringLiteral("1");
    };
    const auto flag = [](const QString& v) { return checkedInt(v, u"0", u"1", kZero); };
    const auto place = [](const QString& v) { return checkedReal(v, u"-100", u"200", kReset); };

    check(Channel, flag);
    check(Show, [](const QString& v) { return checkedShow(v); });
    // Turning the panel off ignores everything else the step asks of the music.
    if (values[Show] == kZero) {
        for (std::size_t slot = SoundFileName; slot <= Title; ++slot)
            values[slot].clear();
    }
    check(SoundFileName, [this](const QString& v) { return checkedFile(v, false); });
    check(SoundPlay, flag);
    check(Left, place);
    check(Top, place);
    check(MusicFileName, [this](const QString& v) { return checkedFile(v, true); });
    check(MusicPlay, flag);
    check(MusicTop, flag);
    check(MusicRepeat, flag);
    check(MusicVolume, [](const QString& v) { return checkedReal(v, u"0", u"200", kHundred); });
    check(MusicPosition, [](const QString& v) { return checkedReal(v, u"0", u"100", kZero); });
    check(Title, [](const QString& v) { return limitLength(v, 80); });
}

void MusicCommands::apply()
{
    if (numberOfText(staging_.anyKeySet) <= 0)
        return;
    applyShow();
    if (parts_.showStates.panelShowState() > 0 && parts_.host.panel())
        applyToPanel();
    if (staging_.values[Show] == u"1")
        parts_.windows.showMusicPanel();
}

// At most one change of the panel's show state; loading it runs its load handler.
void MusicCommands::applyShow()
{
    const QString& show = staging_.values[Show];
    const int state = parts_.showStates.panelShowState();
    if (show == u"0" && state > 0)
        parts_.windows.unloadMusicPanel();
    else if (show == u"2" && state == 2)
        parts_.windows.hideMusicPanel();
    else if (show == u"2" && state == 0)
        parts_.windows.loadMusicPanel();
    else if (show == u"1" && state < 1)
        parts_.windows.loadMusicPanel();
}

void MusicCommands::applyToPanel()
{
    MusicValues& values = staging_.values;
    MusicPanelLogic& panel = *parts_.host.panel();
    MusicEngine& engine = parts_.engine;
    const auto given = [&](std::size_t slot) { return !values[slot].isEmpty(); };
    const auto isReset = [&](std::size_t slot) { return values[slot] == kReset; };
    // A given value, or what "reset" stands for.
    const auto valueOr = [&](std::size_t slot, const QString& whenReset) {
        return isReset(slot) ? whenReset : values[slot];
    };

    if (given(Left)) {
        const double share = isReset(Left) ? kResetLeftShare : numberOfText(values[Left]) / 100;
        panel.placeLeft(integerPart(screen_.widthTwips() * share));
    }
    if (given(Top)) {
        const double share = isReset(Top) ? kResetTopShare : numberOfText(values[Top]) / 100;
        panel.placeTop(integerPart(screen_.heightTwips() * share));
    }

    // A step without a channel key puts the panel back on the commands' channel.
    if (!given(Channel) && records_.commandChannel != records_.panelChannel)
        values[Channel] = QString::number(records_.commandChannel);
    if (given(Channel)) {
        const int channel = int16OrZero(values[Channel]) == 1 ? 1 : 0;
        records_.commandChannel = channel;
        records_.panelChannel = channel;
        engine.setChannel(QString::number(channel));
        panel.showChannel(channel);
    }
    const int ch = records_.commandChannel;
    MusicValues& applied = records_.of(ch);
    MusicValues& first = records_.of(0);

    if (given(SoundFileName) && values[SoundFileName] != first[SoundFileName]) {
        first[SoundFileName] = valueOr(SoundFileName, QString());
        engine.setWavePathFile(first[SoundFileName].isEmpty()
                                   ? QString()
                                   : resolveScriptFile(parts_.script.location().folder, first[SoundFileName]));
        panel.setSoundMarkVisible(!first[SoundFileName].isEmpty());
    }
    if (given(SoundPlay) && !first[SoundFileName].isEmpty())
        engine.setWavePlay(valueOr(SoundPlay, kZero));

    if (given(MusicFileName) && values[MusicFileName] != applied[MusicFileName]) {
        applied[MusicFileName] = valueOr(MusicFileName, QString());
        // The caption follows the new file unless a title is in force.
        if (first[Title].isEmpty() && !given(Title))
            values[Title] = kReset;
        engine.setPathFile(applied[MusicFileName].isEmpty()
                               ? QString()
                               : resolveScriptFile(parts_.script.location().folder, applied[MusicFileName]));
        if (engine.pathFile().isEmpty())
            applied[MusicFileName].clear();
        panel.showPositionBar(!applied[MusicFileName].isEmpty());
    }

    if (given(MusicVolume) && values[MusicVolume] != applied[MusicVolume]) {
        applied[MusicVolume] = valueOr(MusicVolume, kHundred);
        // Through 1 first, so that 0 % reaches the device even when the engine holds 0 already.
        if (numberOfText(applied[MusicVolume]) < 1)
            engine.setVolumePercent(QStringLiteral("1"));
        engine.setVolumePercent(applied[MusicVolume]);
        panel.showVolume(applied[MusicVolume]);
    }
    if (given(MusicPosition) && values[MusicPosition] != applied[MusicPosition]) {
        applied[MusicPosition] = valueOr(MusicPosition, kZero);
        engine.setPositionPercentSet(applied[MusicPosition]);
    }
    if (given(MusicPlay) && !applied[MusicFileName].isEmpty())
        engine.setPlay(valueOr(MusicPlay, kZero));

    if (given(MusicTop) && values[MusicTop] != applied[MusicTop]) {
        applied[MusicTop] = valueOr(MusicTop, kZero);
        engine.setTop(applied[MusicTop]);
        panel.setTopBox(int16OrZero(applied[MusicTop]));
    }
    if (given(MusicRepeat) && values[MusicRepeat] != applied[MusicRepeat]) {
        applied[MusicRepeat] = valueOr(MusicRepeat, kZero);
        engine.setRepeat(applied[MusicRepeat]);
        panel.setRepeatBox(int16OrZero(applied[MusicRepeat]));
    }

    if (given(Title) && values[Title] != first[Title]) {
        first[Title] = valueOr(Title, QString());
        panel.setCaption(musicPanelTitle(records_, ch));
    }
}

void MusicCommands::clear()
{
    staging_.values.fill(QString());
    staging_.anyKeySet.clear();
    staging_.pending = false;
}

} // namespace qc
