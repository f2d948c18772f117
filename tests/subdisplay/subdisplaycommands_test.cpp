#include "subdisplay/subdisplaycommands.h"

#include "subdisplayrig.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

using namespace subslot;
using test::FakeSubDisplayView;

// Screen 15360 x 11520 twips: 95 % is 14592 x 10944; the default size 3763 x 4032.
constexpr int kDefaultWidth = 3763;
constexpr int kDefaultHeight = 4032;

class SubDisplays : public ::testing::Test, protected test::SubDisplayRig {
protected:
    SubDisplays() : SubDisplayRig({"A"}) {}

    // The frame allowances of the test settings.
    const int wtw = settings.winTuneWidth;
    const int wth = settings.winTuneHeight;

    // Loads a script and opens a presentation run on it.
    void play(const QStringList& lines)
    {
        files.put(QStringLiteral("/show/s.txt"), lines);
        script.load();
        engine.startRun(controller);
    }

    // Stages the line as a step would and checks it; what sub display `id` was asked.
    SubRequest checked(const QString& line, int id = 0)
    {
        SubDisplayCommands& commands = presentation.subDisplayCommands();
        commands.clear();
        EXPECT_TRUE(commands.stage({line, LineKind::Command, Command::SubSet}));
        commands.check();
        const SubRequest request = commands.staged().requests[std::size_t(id)];
        commands.clear();
        return request;
    }

    // A picture file beside the script, with its natural size in twips.
    void addPicture(const QString& path, TwipSize natural)
    {
        files.put(path, {"picture"});
        pictureFiles.insert(path, natural);
    }
};

TEST_F(SubDisplays, ChecksEachKey)
{
    addPicture("/show/cat.png", {3000, 1500});
    const struct {
        const char* key;
        QString value;
        std::size_t slot;
        QString expected;
    } cases[] = {
        {"show", "ON", Show, "1"},           {"show", "Hide", Show, "2"},        {"show", "off", Show, "0"},
        {"show", "1.5", Show, "2"},          {"show", "5", Show, "0"},           {"show", "yes", Show, "0"},
        {"show", "99999", Show, "0"},        {"picfilename", "nothere.png", PicFileName, ""},
        {"picfilename", "cat.txt", PicFileName, ""}, {"picfilename", "cat.png", PicFileName, "cat.png"},
        {"picfilename", "RESET", PicFileName, "reset"}, {"picreverse", "2", PicReverse, "0"},
        {"picreverse", "1", PicReverse, "1"}, {"picpercent", "50", PicPercent, "50"},
        {"picpercent", "1001", PicPercent, "reset"}, {"picpercent", "MAX", PicPercent, "max"},
        {"picpercent", "40@", PicPercent, "40@"}, {"picpercent", "101@", PicPercent, "reset"},
        {"fontname", "NoSuchFace", FontName, "IPAPGothic"}, {"fontsize", "100", FontSize, "20"},
        {"fontsize", "12.5", FontSize, "12"}, {"capfontsize", "7", CapFontSize, "20"},
        {"bold", "2", Bold, "0"},            {"capitalic", "1", CapItalic, "1"},
        {"text", QString(1200, u'x'), Text, QString(1000, u'x')},
        {"caption", QString(1200, u'y'), Caption, QString(1000, u'y')}, {"text", "Reset", Text, "reset"},
        {"title", QString(100, u't'), Title, QString(80, u't')}, {"left", "250", Left, "reset"},
        {"left", "-100", Left, "-100"},      {"top", "12.5", Top, "12.5"},       {"width", "0", Width, "reset"},
        {"height", "100", Height, "100"},    {"forecolor", "F00", ForeColor, "000F00"},
        {"forecolor", "red", ForeColor, "000000"}, {"capforecolor", "abcdef", CapForeColor, "ABCDEF"},
        {"backcolor", "zz", BackColor, "FFFFFF"}, {"backcolor", "ReSeT", BackColor, "reset"},
    };
    for (const auto& c : cases) {
        const SubRequest request =
            checked(QStringLiteral("@qc-subset id=\"0\" %1=\"%2\"").arg(QLatin1String(c.key), c.value));
        EXPECT_EQ(request[c.slot], c.expected) << c.key << "=" << c.value.toStdString();
        // Only a request that still asks for something is applied.
        EXPECT_EQ(request[Flag], c.expected.isEmpty() ? "" : "1") << c.key;
    }
}

TEST_F(SubDisplays, APictureBringsItsDrawingDefaultsAndResetBringsTheDefaultSize)
{
    addPicture("/show/cat.png", {3000, 1500});
    const SubRequest picture = checked("@qc-subset id=\"1\" picfilename=\"cat.png\"", 1);
    EXPECT_EQ(picture[PicReverse], "0");
    EXPECT_EQ(picture[PicPercent], "100");
    const SubRequest reset = checked("@qc-subset id=\"1\" picfilename=\"reset\" height=\"20\"", 1);
    EXPECT_EQ(reset[Width], "reset");
    EXPECT_EQ(reset[Height], "20");
    pictures.broken << "/show/cat.png";
    EXPECT_EQ(checked("@qc-subset id=\"1\" picfilename=\"cat.png\"", 1)[PicFileName], "");
}

TEST_F(SubDisplays, ClosingIgnoresTheRestOfTheRequest)
{
    const SubRequest request = checked("@qc-subset id=\"0\" show=\"off\" text=\"x\" left=\"10\"");
    EXPECT_EQ(request[Show], "0");
    EXPECT_EQ(request[Text], "");
    EXPECT_EQ(request[Left], "");
}

TEST_F(SubDisplays, PictureFilesAreCheckedByLengthExtensionExistenceAndDecoding)
{
    addPicture("/show/a.JPEG", {100, 100});
    addPicture("/show/b.png", {100, 100});
    files.put("/show/c.txt", {"text"});
    pictures.broken << "/show/b.png";
    const SubDisplayCommands& commands = presentation.subDisplayCommands();
    EXPECT_EQ(commands.checkPictureFile("/show/a.JPEG"), "/show/a.JPEG");
    EXPECT_EQ(commands.checkPictureFile("/show/b.png"), "");     // does not decode
    EXPECT_EQ(commands.checkPictureFile("/show/c.txt"), "");     // not a picture's name
    EXPECT_EQ(commands.checkPictureFile("/show/none.gif"), "");  // missing
    EXPECT_EQ(commands.checkPictureFile(".png"), "");            // too short
    EXPECT_EQ(commands.checkPictureFile("/" + QString(300, u'p') + ".png"), "");
}

TEST_F(SubDisplays, EffectivePicturePercent)
{
    // A 3000 x 1500 picture on a 15360 x 11520 screen fits at most 486 % (the width limits).
    const struct {
        QString value;
        int loaderWidth;
        int loaderHeight;
        QString expected;
    } cases[] = {
        {"50", 3000, 1500, "50"},       {"12.5", 3000, 1500, "12.5"}, {"600", 3000, 1500, "486"},
        {"max", 3000, 1500, "486"},     {"MAX", 300, 300, "1000"},    {"40@", 3000, 1500, "204"},
        {"0@", 3000, 1500, "0"},        {"101@", 3000, 1500, "100"},  {"1001", 3000, 1500, "100"},
        {"-1", 3000, 1500, "100"},      {"50", -1, 1500, "100"},      {"50", 30721, 1500, "100"},
        {"50", 3000, 23041, "100"},     {"max", 0, 0, "100"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(effectivePicturePercent(c.value, c.loaderWidth, c.loaderHeight, screen), c.expected)
            << c.value.toStdString() << " " << c.loaderWidth << "x" << c.loaderHeight;
}

TEST_F(SubDisplays, ShowOnOpensAtTheResetPlaceWithTheDefaultSize)
{
    play({"@qc-subset id=\"0\" show=\"on\"", "A"});
    nextAndPause();
    ASSERT_TRUE(view(0));
    EXPECT_EQ(windows.subShowState(0), 2);
    EXPECT_TRUE(loader.visible.contains("frmSb00"));
    EXPECT_EQ(view(0)->rect().left, 153);
    EXPECT_EQ(view(0)->rect().top, 4204);
    EXPECT_EQ(view(0)->rect().width, kDefaultWidth);
    EXPECT_EQ(view(0)->rect().height, kDefaultHeight);
    EXPECT_EQ(view(0)->title, "サブ表示０");
    EXPECT_EQ(logic(0)->layout().pictureFrameWidth, kDefaultWidth);
    // The display window and the controller come back to the front.
    EXPECT_TRUE(loader.log.contains("frmMi02.restore"));
}

TEST_F(SubDisplays, EachWindowHasItsOwnResetPlace)
{
    const int expected[][2] = {{153, 4204}, {0, 230}, {3840, 230}, {7680, 230}, {11520, 230}};
    play({"@qc-subset id=\"0\" show=\"1\"", "@qc-subset id=\"1\" show=\"1\"", "@qc-subset id=\"2\" show=\"1\"",
          "@qc-subset id=\"3\" show=\"1\"", "@qc-subset id=\"4\" show=\"1\"", "A"});
    nextAndPause();
    for (int id = 0; id < kSubDisplayCount; ++id) {
        ASSERT_TRUE(view(id)) << id;
        EXPECT_EQ(view(id)->rect().left, expected[id][0]) << id;
        EXPECT_EQ(view(id)->rect().top, expected[id][1]) << id;
        EXPECT_EQ(view(id)->title, subDisplayTitle(id));
    }
}

TEST_F(SubDisplays, AWindowOpenedWithATextTakesTheTextsSize)
{
    play({"@qc-subset id=\"0\" show=\"on\" text=\"Hello, this is a longer line\" width=\"30\"", "A"});
    nextAndPause();
    ASSERT_TRUE(view(0));
    // 28 characters of 200 twips, plus the frame allowance and the room around the text; the
    // width asked for in the same request is dropped with the default size.
    EXPECT_EQ(view(0)->rect().width, 5600 + wtw + 500);
    EXPECT_EQ(view(0)->rect().height, 400 + wth + 500);
    EXPECT_TRUE(view(0)->text.visible);
    EXPECT_EQ(view(0)->text.text, "Hello, this is a longer line");
    EXPECT_EQ(applied(0)[Text], "Hello, this is a longer line");
}

TEST_F(SubDisplays, ShowWordsAndNumbersAgree)
{
    for (const char* show : {"ON", "1"}) {
        play({QStringLiteral("@qc-subset id=\"2\" show=\"%1\"").arg(QLatin1String(show)), "A"});
        nextAndPause();
        EXPECT_EQ(windows.subShowState(2), 2) << show;
        engine.top();
    }
    for (const char* show : {"5", "yes", "reset"}) {
        play({"@qc-subset id=\"2\" show=\"1\"", "A", "", QStringLiteral("@qc-subset id=\"2\" show=\"%1\"").arg(QLatin1String(show)), "B"});
        nextAndPause();
        nextAndPause();
        EXPECT_EQ(windows.subShowState(2), 0) << show;
        EXPECT_FALSE(view(2)) << show;
        engine.top();
    }
}

TEST_F(SubDisplays, ARequestForAWindowNeverOpenedDoesNothingButAHiddenOneTakesIt)
{
    play({"@qc-subset id=\"1\" text=\"lost\"", "A", "", "@qc-subset id=\"1\" show=\"hide\"", "B", "",
          "@qc-subset id=\"1\" text=\"kept\"", "C", "", "@qc-subset id=\"1\" show=\"on\"", "D"});
    nextAndPause();
    EXPECT_FALSE(view(1));
    nextAndPause();
    ASSERT_TRUE(view(1));
    EXPECT_EQ(windows.subShowState(1), 1);
    EXPECT_FALSE(loader.visible.contains("frmSb01"));
    nextAndPause();
    EXPECT_EQ(view(1)->text.text, "kept");
    EXPECT_EQ(windows.subShowState(1), 1);
    nextAndPause();
    EXPECT_EQ(windows.subShowState(1), 2);
    EXPECT_EQ(view(1)->text.text, "kept");
}

TEST_F(SubDisplays, IdsAreRoundedHalvesToEvenAndANonNumberIsZero)
{
    play({"@qc-subset id=\"abc\" show=\"1\"", "@qc-subset id=\"4.5\" show=\"1\"", "@qc-subset id=\"5\" show=\"1\"",
          "A"});
    nextAndPause();
    EXPECT_EQ(windows.subShowState(0), 2);
    EXPECT_EQ(windows.subShowState(4), 2);
    for (int id : {1, 2, 3})
        EXPECT_EQ(windows.subShowState(id), 0) << id;
}

TEST_F(SubDisplays, TheLaterLineForOneIdReplacesTheWholeRequest)
{
    play({"@qc-subset id=\"1\" show=\"1\" caption=\"Old\" text=\"Keep?\"", "@qc-subset id=\"1\" show=\"1\" caption=\"New\"",
          "A"});
    nextAndPause();
    ASSERT_TRUE(view(1));
    EXPECT_EQ(view(1)->caption.text, "New");
    EXPECT_EQ(view(1)->text.text, "");
    EXPECT_FALSE(view(1)->text.visible);
}

TEST_F(SubDisplays, APictureIsDrawnAtItsPercentAndTitlesTheWindowWithItsFileName)
{
    addPicture("/show/img/cat.png", {3000, 1500});
    play({"@qc-subset id=\"0\" show=\"1\" picfilename=\"img\\cat.png\"", "A", "",
          "@qc-subset id=\"0\" picpercent=\"50\" picreverse=\"1\"", "B", "", "@qc-subset id=\"0\" picpercent=\"max\"",
          "C", "", "@qc-subset id=\"0\" picpercent=\"40@\"", "D"});
    nextAndPause();
    FakeSubDisplayView* v = view(0);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->loadedPath, "/show/img/cat.png");
    ASSERT_TRUE(v->drawn);
    EXPECT_EQ(v->drawn->size.width, 3000);
    EXPECT_FALSE(v->drawn->mirrored);
    EXPECT_TRUE(v->areaVisible);
    EXPECT_EQ(v->title, "cat.png");
    // The window fits the picture area (the picture and a 60-twip border) and its frame.
    EXPECT_EQ(v->rect().width, 3060 + wtw);
    EXPECT_EQ(v->rect().height, 1560 + wth);
    EXPECT_EQ(v->area.left, 50);
    EXPECT_EQ(v->area.top, 50);

    nextAndPause();
    EXPECT_EQ(v->drawn->size.width, 1500);
    EXPECT_EQ(v->drawn->size.height, 750);
    EXPECT_TRUE(v->drawn->mirrored);
    EXPECT_EQ(v->rect().width, 2000);               // never below the smallest window
    nextAndPause();
    EXPECT_EQ(v->drawn->size.width, 3000 * 486 / 100);
    EXPECT_TRUE(v->drawn->mirrored);                // the mirroring stays in force
    nextAndPause();
    EXPECT_EQ(v->drawn->size.width, 3000 * 204 / 100);
    EXPECT_EQ(applied(0)[PicPercent], "40@");
}

TEST_F(SubDisplays, ABareFileNameLeavesTheDefaultTitle)
{
    addPicture("/show/cat.png", {3000, 1500});
    play({"@qc-subset id=\"3\" show=\"1\" picfilename=\"cat.png\"", "A"});
    nextAndPause();
    ASSERT_TRUE(view(3));
    EXPECT_EQ(view(3)->title, "サブ表示３");
}

TEST_F(SubDisplays, TheSamePictureAgainIsRedrawnPlainAtFullSize)
{
    addPicture("/show/cat.png", {3000, 1500});
    play({"@qc-subset id=\"0\" show=\"1\" picfilename=\"cat.png\" picpercent=\"50\" picreverse=\"1\"", "A", "",
          "@qc-subset id=\"0\" picfilename=\"cat.png\"", "B"});
    nextAndPause();
    nextAndPause();
    EXPECT_EQ(view(0)->drawn->size.width, 3000);
    EXPECT_FALSE(view(0)->drawn->mirrored);
}

TEST_F(SubDisplays, PictureResetRemovesThePictureAndGivesTheDefaultSize)
{
    addPicture("/show/cat.png", {3000, 1500});
    play({"@qc-subset id=\"0\" show=\"1\" picfilename=\"cat.png\"", "A", "",
          "@qc-subset id=\"0\" picfilename=\"reset\"", "B", "", "@qc-subset id=\"0\" picpercent=\"50\" picreverse=\"1\"",
          "C"});
    nextAndPause();
    nextAndPause();
    FakeSubDisplayView* v = view(0);
    EXPECT_FALSE(v->drawn);
    EXPECT_FALSE(v->areaVisible);
    EXPECT_EQ(applied(0)[PicFileName], "");
    EXPECT_EQ(applied(0)[PicPercent], "");
    EXPECT_EQ(v->rect().width, kDefaultWidth);
    EXPECT_EQ(v->rect().height, kDefaultHeight);
    EXPECT_EQ(v->loadedPath, "/show/cat.png");      // the loader was emptied, not loaded again
    EXPECT_FALSE(v->loaded);
    nextAndPause();                                 // no picture: these do nothing
    EXPECT_FALSE(v->drawn);
    EXPECT_EQ(applied(0)[PicReverse], "");
}

TEST_F(SubDisplays, AMissingPictureIsDroppedAndTheRestStillApplies)
{
    play({"@qc-subset id=\"0\" show=\"1\" picfilename=\"gone.png\" caption=\"Still here\"", "A"});
    nextAndPause();
    ASSERT_TRUE(view(0));
    EXPECT_FALSE(view(0)->loaded);
    EXPECT_EQ(view(0)->caption.text, "Still here");
}

// Deleted or replaced by something that does not decode after the check: the window shows an
// empty picture area at a size it may take, and the next picture is drawn as usual.
TEST_F(SubDisplays, APictureGoneBetweenTheCheckAndTheLoadLeavesAnEmptyWindow)
{
    files.put("/show/gone.png", {"checked, then deleted"});
    addPicture("/show/cat.png", {3000, 1500});
    play({"@qc-subset id=\"0\" show=\"1\" picfilename=\"gone.png\" caption=\"Still here\"", "A", "",
          "@qc-subset id=\"0\" picfilename=\"cat.png\"", "B"});
    nextAndPause();
    FakeSubDisplayView* v = view(0);
    ASSERT_TRUE(v);
    EXPECT_FALSE(v->hidden);
    EXPECT_FALSE(v->loaded);
    EXPECT_EQ(v->caption.text, "Still here");
    EXPECT_GE(v->rect().width, 2000);
    EXPECT_GT(v->rect().height, 0);

    nextAndPause();
    ASSERT_TRUE(v->drawn);
    EXPECT_EQ(v->drawn->size.width, 3000);
    EXPECT_EQ(v->rect().width, 3060 + wtw);
}

TEST_F(SubDisplays, SubTextReferencesAndTheirLetterCase)
{
    play({"'@qc-subtext3", "'Third text", "A", "@qc-subset id=\"0\" show=\"1\" text=\"@qc-subtext34\"",
          "@qc-subset id=\"1\" show=\"1\" text=\"@QC-SUBTEXT3\"", "B"});
    nextAndPause();
    ASSERT_TRUE(view(0) && view(1));
    EXPECT_EQ(view(0)->text.text, "Third text");
    EXPECT_EQ(view(1)->text.text, "@QC-SUBTEXT3");
}

TEST_F(SubDisplays, CopiedValuesGoToTheClipboardBeforeTheStep)
{
    play({"@qc-subset id=\"0\" show=\"1\" text=\"Guest@clp@\" caption=\"Host@clp@\"", "Line", "",
          "@qc-subset id=\"0\" text=\"a@ent@b\"", "Next"});
    nextAndPause();
    EXPECT_EQ(view(0)->text.text, "Guest");
    EXPECT_EQ(clipboard.puts.last(), "GuestHostLine\r\n");
    nextAndPause();
    EXPECT_EQ(view(0)->text.text, "a\r\nb");
    EXPECT_EQ(clipboard.puts.last(), "Next\r\n");
}

TEST_F(SubDisplays, AnAppliedValueGivenAgainIsNotSetAgain)
{
    play({"@qc-subset id=\"0\" show=\"1\" text=\"Same\" title=\"T\"", "A", "", "@qc-subset id=\"0\" text=\"Same\" title=\"T\"",
          "B"});
    nextAndPause();
    view(0)->text.text = "changed behind its back";
    view(0)->title = "changed too";
    nextAndPause();
    EXPECT_EQ(view(0)->text.text, "changed behind its back");
    EXPECT_EQ(view(0)->title, "changed too");
}

TEST_F(SubDisplays, LooksPlacesAndSizesActEveryTime)
{
    play({"@qc-subset id=\"0\" show=\"1\" text=\"Hi\" fontsize=\"40\" bold=\"1\" forecolor=\"F00\" "
          "capforecolor=\"00ff00\" backcolor=\"203040\" left=\"50\" top=\"10\"",
          "A", "", "@qc-subset id=\"0\" fontsize=\"reset\" backcolor=\"reset\" width=\"50\" height=\"25\"", "B"});
    nextAndPause();
    FakeSubDisplayView* v = view(0);
    EXPECT_EQ(v->text.font.points, 40);
    EXPECT_TRUE(v->text.font.bold);
    EXPECT_EQ(v->text.color, "000F00");
    EXPECT_EQ(v->caption.color, "00FF00");
    EXPECT_EQ(v->backColor, "203040");
    EXPECT_EQ(v->rect().left, 7680);
    EXPECT_EQ(v->rect().top, 1152);
    // The new font is measured: 2 characters of 400 twips.
    EXPECT_EQ(v->rect().width, 2000);
    EXPECT_EQ(v->rect().height, 800 + wth + 500);
    nextAndPause();
    EXPECT_EQ(v->text.font.points, 20);
    EXPECT_TRUE(v->text.font.bold);
    EXPECT_EQ(v->backColor, "FFFFFF");
    EXPECT_EQ(v->rect().width, 7680);
    EXPECT_EQ(v->rect().height, 2880);
}

TEST_F(SubDisplays, SubResetPutsShownWindowsBackAndKeepsThemShown)
{
    addPicture("/show/img/cat.png", {3000, 1500});
    play({"@qc-subset id=\"0\" show=\"1\" picfilename=\"img/cat.png\" text=\"T\" fontsize=\"30\"",
          "@qc-subset id=\"1\" show=\"hide\" text=\"hidden\"", "A", "", "@qc-subreset", "B"});
    nextAndPause();
    nextAndPause();
    EXPECT_EQ(windows.subShowState(0), 2);
    EXPECT_FALSE(view(0)->loaded);
    EXPECT_EQ(view(0)->title, "サブ表示０");
    EXPECT_EQ(view(0)->text.text, "");
    EXPECT_EQ(view(0)->text.font.points, 20);
    EXPECT_EQ(view(0)->rect().width, kDefaultWidth);
    EXPECT_EQ(view(1)->text.text, "hidden");       // not shown: not reset
}

TEST_F(SubDisplays, BackHidesTopAndTheEndsCloseThemAll)
{
    play({"@qc-subset id=\"0\" show=\"1\" text=\"zero\"", "A", "", "@qc-subset id=\"3\" show=\"1\"", "B", "", "C"});
    nextAndPause();
    nextAndPause();
    EXPECT_EQ(windows.subShowState(0), 2);
    EXPECT_EQ(windows.subShowState(3), 2);
    backAndPause();                                 // back to A: 0 shown again, 3 hidden
    EXPECT_EQ(windows.subShowState(0), 2);
    EXPECT_EQ(windows.subShowState(3), 1);
    EXPECT_EQ(view(0)->text.text, "zero");
    engine.top();
    EXPECT_FALSE(view(0));
    EXPECT_FALSE(view(3));
    EXPECT_EQ(applied(0)[Text], "");

    nextAndPause();
    nextAndPause();
    nextAndPause();
    nextAndPause();                                 // past the end
    EXPECT_EQ(engine.stepPointer(), 8);
    EXPECT_FALSE(view(0));
    EXPECT_EQ(windows.subShowState(3), 0);
}

} // namespace
} // namespace qc
