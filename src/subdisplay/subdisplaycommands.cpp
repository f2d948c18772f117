#include "subdisplay/subdisplaycommands.h"

#include "platform/fileexistence.h"
#include "platform/fontprobe.h"
#include "platform/pictures.h"
#include "platform/screen.h"
#include "script/cliptokens.h"
#include "script/colors.h"
#include "script/commandchecks.h"
#include "script/commandparameters.h"
#include "script/keynames.h"
#include "script/numbers.h"
#include "script/paths.h"
#include "script/script.h"
#include "script/texthelpers.h"
#include "settings/fontname.h"
#include "settings/settings.h"
#include "subdisplay/subdisplaygeometry.h"
#include "subdisplay/subdisplayhost.h"
#include "subdisplay/subdisplaylogic.h"
#include "windows/presentationwindows.h"

#include <algorithm>
#include <cmath>

namespace qc {

namespace {

using namespace subslot;

const QString kReset = QStringLiteral("reset");
// Asked by a window that opens: the default size, unless a text or caption of the same
// request sizes the window.
const QString kLoadReset = QStringLiteral("@reset");

const QLatin1String kPictureExtensions[] = {
    QLatin1String(".bmp"), QLatin1String(".ico"), QLatin1String(".wmf"), QLatin1String(".rle"),
    QLatin1String(".jpg"), QLatin1String(".jpe"), QLatin1String(".jpeg"), QLatin1String(".gif"),
    QLatin1String(".dib"), QLatin1String(".cur"), QLatin1String(".png"),
};

int floorOf(double value)
{
    return int(std::floor(value));
}

} // namespace

QString effectivePicturePercent(const QString& value, int loaderWidth, int loaderHeight, const Screen& screen)
{
    const QString p = value.toLower();
    const double screenWidth = screen.widthTwips();
    const double screenHeight = screen.heightTwips();
    const bool perScreen = p.endsWith(u'@');
    const double number = numberOfText(perScreen ? p.chopped(1) : p);
    const bool invalid = (p != u"max" && !perScreen && (number < 0 || number > 1000))
                         || (perScreen && (number < 0 || number > 100)) || loaderWidth < 0
                         || loaderWidth > floorOf(screenWidth * 2) || loaderHeight < 0
                         || loaderHeight > floorOf(screenHeight * 2);
    // A picture of no size cannot be measured against the screen.
    if (invalid || loaderWidth == 0 || loaderHeight == 0)
        return QStringLiteral("100");

    const double w = loaderWidth;
    const double h = loaderHeight;
    const int largest = std::min({floorOf(screenWidth / w * 100 * 0.95), floorOf(screenHeight / h * 100 * 0.95), 1000});
    double wanted = largest;
    if (perScreen)
        wanted = std::min(floorOf(screenWidth / w * number), floorOf(screenHeight / h * number));
    else if (p != u"max")
        wanted = number;
    return QString::number(std::min(double(largest), wanted));
}

SubDisplayCommands::SubDisplayCommands(Parts parts, Services services)
    : CommandFamily(Command::SubSet, Command::SubReset), parts_(parts), services_(services)
{
}

void SubDisplayCommands::stageKeys(const QString& line)
{
    const CommandParameters params = parseCommandParameters(line, true);
    for (qsizetype i = 0; i < params.count(); ++i) {
        if (const int slot = keySlot(kSubKeyNames, params.keys[i]))
            staging_.keyValues[std::size_t(slot)] = params.values[i];
    }
    const QString& idText = staging_.keyValues[Id];
    if (!idText.isEmpty()) {
        int id = -1;
        try {
            id = int16OfText(idText);
        } catch (const NumberOverflow&) {
            id = -1;
        }
        if (id >= 0 && id < kSubDisplayCount) {
            SubRequest& request = staging_.requests[std::size_t(id)];
            for (std::size_t slot = Show; slot <= kSubKeyNames.size(); ++slot)
                request[slot] = staging_.keyValues[slot];
            staging_.pending = true;
        }
    }
    staging_.keyValues.fill(QString());
}

// Only the sub displays on the screen go back to their defaults.
void SubDisplayCommands::stageReset()
{
    for (int id = 0; id < kSubDisplayCount; ++id) {
        if (parts_.showStates.subShowState(id) != 2)
            continue;
        SubRequest& request = staging_.requests[std::size_t(id)];
        for (std::size_t slot = PicFileName; slot <= kSubKeyNames.size(); ++slot)
            request[slot] = kReset;
        request[Flag] = QStringLiteral("1");
        staging_.pending = true;
    }
}

QString SubDisplayCommands::checkPictureFile(const QString& path) const
{
    if (path.size() < 5 || path.size() > 300)
        return {};
    const QString lower = path.toLower();
    const bool picture = std::any_of(std::begin(kPictureExtensions), std::end(kPictureExtensions),
                                     [&](QLatin1String extension) { return lower.endsWith(extension); });
    if (!picture || !services_.files.fileExists(path) || !services_.pictures.canLoad(path))
        return {};
    return path;
}

// A text or caption as the window shows it: a reference to a sub text of the script replaced
// by that text, then the clip tokens, whose clipboard form joins the step's sub display
// clipboard text.
QString SubDisplayCommands::shownValue(const QString& value)
{
    QString text = value;
    static const QString subTextReference = QStringLiteral("@qc-subtext");
    if (text.startsWith(subTextReference)) {
        const QString digit = leadingDigits(QStringView(text).mid(subTextReference.size(), 1));
        if (!digit.isEmpty())
            text = parts_.script.content().blocks[std::size_t(kSubTextBlockBase + digit.toInt())];
    }
    return parts_.tokens.subDisplayValue(text, parts_.settings.text(SettingKey::ShowTxtClipSpace));
}

void SubDisplayCommands::checkRequest(SubRequest& request)
{
    const auto given = [&](std::size_t slot) { return !request[slot].isEmpty(); };
    const auto isReset = [&](std::size_t slot) {
        if (!isResetWord(request[slot]))
            return false;
        request[slot] = kReset;
        return true;
    };
    const auto check = [&](std::size_t slot, auto checked) {
        if (given(slot) && !isReset(slot))
            request[slot] = checked(request[slot]);
    };

    if (given(Show)) {
        request[Show] = checkedShow(request[Show]);
        // Closing ignores everything else the request asks.
        if (request[Show] == u"0") {
            for (std::size_t slot = PicFileName; slot < request.size(); ++slot)
                request[slot].clear();
        }
    }

    if (given(PicFileName)) {
        if (isReset(PicFileName)) {
            for (const std::size_t slot : {Width, Height}) {
                if (!given(slot))
                    request[slot] = kReset;
            }
        } else if (checkPictureFile(resolveScriptFile(parts_.script.location().folder, request[PicFileName])).isEmpty()) {
            request[PicFileName].clear();
        }
    }

    check(PicReverse, [](const QString& v) { return checkedInt(v, u"0", u"1", QStringLiteral("0")); });
    if (!given(PicReverse) && given(PicFileName))
        request[PicReverse] = QStringLiteral("0");

    if (given(PicPercent)) {
        const QString lower = request[PicPercent].toLower();
        if (lower == u"max" || lower == u"reset") {
            request[PicPercent] = lower;
        } else if (!lower.endsWith(u'@')) {
            request[PicPercent] = checkedReal(request[PicPercent], u"0", u"1000", kReset);
        } else {
            const QString share = checkedReal(request[PicPercent].chopped(1), u"0", u"100", kReset);
            request[PicPercent] = share == kReset ? kReset : share + u'@';
        }
    }
    if (!given(PicPercent) && given(PicFileName))
        request[PicPercent] = QStringLiteral("100");

    const auto checkFont = [&](std::size_t name, std::size_t size, std::size_t bold, std::size_t italic) {
        check(name, [&](const QString& v) { return checkFontName(v, services_.fonts); });
        check(size, [](const QString& v) { return checkedInt(v, u"8", u"72", QStringLiteral("20")); });
        check(bold, [](const QString& v) { return checkedInt(v, u"0", u"1", QStringLiteral("0")); });
        check(italic, [](const QString& v) { return checkedInt(v, u"0", u"1", QStringLiteral("0")); });
    };
    const auto checkLabelText = [&](std::size_t slot) {
        if (!given(slot))
            return;
        request[slot] = shownValue(request[slot]);
        if (!isReset(slot))
            request[slot] = firstCharacters(request[slot], 1000);
    };
    checkFont(FontName, FontSize, Bold, Italic);
    checkLabelText(Text);
    checkFont(CapFontName, CapFontSize, CapBold, CapItalic);
    checkLabelText(Caption);

    check(Left, [](const QString& v) { return checkedReal(v, u"-100", u"200", kReset); });
    check(Top, [](const QString& v) { return checkedReal(v, u"-100", u"200", kReset); });
    check(Width, [](const QString& v) { return checkedReal(v, u"1", u"100", kReset); });
    check(Height, [](const QString& v) { return checkedReal(v, u"1", u"100", kReset); });
    check(ForeColor, [](const QString& v) { return normalizeColorText(v, ColorKind::Text); });
    check(CapForeColor, [](const QString& v) { return normalizeColorText(v, ColorKind::Text); });
    check(BackColor, [](const QString& v) { return normalizeColorText(v, ColorKind::Background); });
    check(Title, [](const QString& v) { return limitLength(v, 80); });

    for (std::size_t slot = Show; slot < request.size(); ++slot) {
        if (given(slot))
            request[Flag] = QStringLiteral("1");
    }
}

void SubDisplayCommands::check()
{
    for (SubRequest& request : staging_.requests)
        checkRequest(request);
}

void SubDisplayCommands::apply()
{
    for (int id = 0; id < kSubDisplayCount; ++id) {
        SubRequest& request = staging_.requests[std::size_t(id)];
        if (numberOfText(request[Flag]) > 0)
            applyRequest(id, request);
    }
}

void SubDisplayCommands::applyRequest(int id, SubRequest& request)
{
    const auto state = [&] { return parts_.showStates.subShowState(id); };
    const QString& show = request[Show];
    SubDisplayWindows& windows = parts_.windows;
    if (state() > 0 && show == u"0")
        windows.unloadSubDisplay(id);
    if (state() == 2 && show == u"2")
        windows.hideSubDisplay(id);
    if (state() == 0 && show == u"2")
        windows.loadSubDisplay(id);
    if (state() < 1 && show == u"1")
        windows.loadSubDisplay(id);
    // A window that is not loaded, and that this request does not open, takes nothing.
    SubDisplayLogic* window = parts_.host.window(id);
    if (state() <= 0 || !window)
        return;
    applyAttributes(id, *window, request);
    if (show == u"1")
        windows.showSubDisplay(id);
}

void SubDisplayCommands::applyAttributes(int id, SubDisplayLogic& window, SubRequest& request)
{
    SubApplied& applied = applied_[std::size_t(id)];
    const auto given = [&](std::size_t slot) { return !request[slot].isEmpty(); };
    const auto isReset = [&](std::size_t slot) { return request[slot] == kReset; };
    const double screenWidth = services_.screen.widthTwips();
    const double screenHeight = services_.screen.heightTwips();
    const QString& folder = parts_.script.location().folder;

    if (given(Left)) {
        const int left = isReset(Left) ? subResetLeft(id, services_.screen) : floorOf(screenWidth * numberOfText(request[Left]) / 100);
        window.moveTo(left, window.rect().top);
    }
    if (given(Top)) {
        const int top = isReset(Top) ? subResetTop(id, services_.screen) : floorOf(screenHeight * numberOfText(request[Top]) / 100);
        window.moveTo(window.rect().left, top);
    }

    if (given(PicFileName)) {
        const QString path = isReset(PicFileName) ? QString() : resolveScriptFile(folder, request[PicFileName]);
        if (applied[PicFileName] != request[PicFileName]) {
            if (isReset(PicFileName))
                request[PicFileName].clear();
            applied[PicFileName] = request[PicFileName];
            if (applied[Title].isEmpty() && request[Title].isEmpty())
                request[Title] = kReset;
            window.loadPicture(path);
        }
    }
    const bool havePicture = !applied[PicFileName].isEmpty();
    if (given(PicReverse) && havePicture && applied[PicReverse] != request[PicReverse]) {
        if (isReset(PicReverse))
            request[PicReverse] = QStringLiteral("0");
        applied[PicReverse] = request[PicReverse];
        // The picture is drawn again at its present size.
        if (!given(PicPercent))
            request[PicPercent] = applied[PicPercent].isEmpty() ? QStringLiteral("100") : applied[PicPercent];
    }
    if (given(PicPercent) && havePicture) {
        const SubLayout& layout = window.layout();
        const QString percent = isReset(PicPercent)
                                    ? QStringLiteral("100")
                                    : effectivePicturePercent(request[PicPercent], layout.loaderWidth,
                                                              layout.loaderHeight, services_.screen);
        if (applied[PicPercent] != request[PicPercent]) {
            if (isReset(PicPercent))
                request[PicPercent] = QStringLiteral("100");
            applied[PicPercent] = request[PicPercent];
        }
        window.drawPicture(numberOfText(percent), numberOfText(applied[PicReverse]) >= 1);
        window.setPictureChange(QStringLiteral("1"));
    }
    if (!havePicture && given(PicPercent)) {
        applied[PicPercent].clear();
        applied[PicReverse].clear();
        window.removePicture();
        window.setPictureChange(QStringLiteral("1"));
    }

    // The fonts of the text and of the caption; a changed font asks for a new measurement.
    const auto applyFont = [&](SubLabel label, std::size_t name, std::size_t size, std::size_t bold,
                               std::size_t italic) {
        if (!given(name) && !given(size) && !given(bold) && !given(italic))
            return false;
        LabelFont font = window.labelFont(label);
        if (given(name))
            font.face = isReset(name) ? kDefaultFontName : request[name];
        if (given(size))
            font.points = isReset(size) ? 20 : int16OrZero(request[size]);
        if (given(bold))
            font.bold = !isReset(bold) && int16OrZero(request[bold]) > 0;
        if (given(italic))
            font.italic = !isReset(italic) && int16OrZero(request[italic]) > 0;
        window.setLabelFont(label, font);
        return true;
    };
    bool measureText = applyFont(SubLabel::Text, FontName, FontSize, Bold, Italic);
    bool measureCaption = applyFont(SubLabel::Caption, CapFontName, CapFontSize, CapBold, CapItalic);

    const auto applyLabel = [&](SubLabel label, std::size_t slot, bool& measure) {
        if (!given(slot))
            return;
        const QString shown = isReset(slot) ? QString() : request[slot];
        if (applied[slot] != request[slot]) {
            if (isReset(slot))
                request[slot].clear();
            applied[slot] = request[slot];
            measure = false;
            window.setLabelText(label, shown);
        }
        // A window that receives a text keeps the size the text gives it.
        if (request[Width] == kLoadReset || request[Height] == kLoadReset) {
            request[Width].clear();
            request[Height].clear();
        }
    };
    applyLabel(SubLabel::Text, Text, measureText);
    applyLabel(SubLabel::Caption, Caption, measureCaption);

    const int winTuneWidth = parts_.settings.winTuneWidth;
    const int winTuneHeight = parts_.settings.winTuneHeight;
    const int maxWidth = subMaxWidth(services_.screen);
    const int maxHeight = subMaxHeight(services_.screen);
    SubLayout& layout = window.layout();
    if (measureText) {
        measureText = !applied[Text].isEmpty();
        if (measureText) {
            const TwipSize size = window.labelSize(SubLabel::Text);
            layout.textFrameWidth = std::min(std::max(size.width + winTuneWidth + 500, kSubMinWidth), maxWidth);
            layout.textFrameHeight = std::min(std::max(size.height + winTuneHeight + 500, kSubMinHeight), maxHeight);
        }
    }
    if (measureCaption) {
        measureCaption = !applied[Caption].isEmpty();
        if (measureCaption) {
            const TwipSize size = window.labelSize(SubLabel::Caption);
            layout.captionFrameWidth = std::min(std::max(size.width + winTuneWidth + 500, kSubMinWidth), maxWidth);
            layout.captionBandHeight = std::min(size.height + 200, maxHeight);
        }
    }
    if (measureText || measureCaption)
        window.resizeWindow(window.subDisplayWidth(), window.subDisplayHeight());

    // A size key sizes the window; without a picture the picture area fills it.
    const bool pictureLess = applied[PicFileName].isEmpty();
    const auto applySize = [&](std::size_t slot, bool horizontal) {
        if (!given(slot))
            return;
        const int length = (isReset(slot) || request[slot] == kLoadReset)
                               ? (horizontal ? subDefaultWidth(services_.screen) : subDefaultHeight(services_.screen))
                               : floorOf((horizontal ? screenWidth : screenHeight) * numberOfText(request[slot]) / 100);
        if (horizontal)
            window.setWidth(length);
        else
            window.setHeight(length);
        if (!pictureLess)
            return;
        WindowRect area = window.pictureArea();
        if (horizontal) {
            area.left = 50;
            area.width = length - winTuneWidth;
            layout.pictureFrameWidth = length;
        } else {
            area.top = 50;
            area.height = length - winTuneHeight;
            layout.pictureFrameHeight = length;
        }
        window.placePictureArea(area);
    };
    applySize(Width, true);
    applySize(Height, false);

    if (given(ForeColor))
        window.setLabelColor(SubLabel::Text, isReset(ForeColor) ? QStringLiteral("000000") : request[ForeColor]);
    if (given(CapForeColor))
        window.setLabelColor(SubLabel::Caption,
                             isReset(CapForeColor) ? QStringLiteral("000000") : request[CapForeColor]);
    if (given(BackColor))
        window.setBackColor(isReset(BackColor) ? QStringLiteral("FFFFFF") : request[BackColor]);

    if (given(Title)) {
        QString title = request[Title];
        if (isReset(Title)) {
            title = fileNameOfPath(applied[PicFileName]);
            if (title.isEmpty())
                title = subDisplayTitle(id);
        }
        if (applied[Title] != request[Title]) {
            if (isReset(Title))
                request[Title].clear();
            applied[Title] = request[Title];
            window.setTitle(title);
        }
    }
}

void SubDisplayCommands::clear()
{
    staging_.keyValues.fill(QString());
    for (SubRequest& request : staging_.requests)
        request.fill(QString());
    staging_.pending = false;
}

} // namespace qc
