#include "script/paths.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(PathParts, SplitAtEitherSeparator)
{
    EXPECT_EQ(folderOfPath(u"/home/op/show/demo.txt"), "/home/op/show/");
    EXPECT_EQ(fileNameOfPath(u"/home/op/show/demo.txt"), "demo.txt");
    EXPECT_EQ(folderOfPath(u"pics\\logo.png"), "pics\\");
    EXPECT_EQ(fileNameOfPath(u"pics\\logo.png"), "logo.png");
    EXPECT_EQ(folderOfPath(u"demo.txt"), "");
    EXPECT_EQ(fileNameOfPath(u"demo.txt"), "");   // callers always pass full paths
    EXPECT_EQ(fileNameOfPath(u"/home/op/"), "");
    EXPECT_EQ(folderOfPath(u"/"), "/");
}

TEST(PathParts, ExtensionIsTheFileNamesOwn)
{
    EXPECT_EQ(extensionOfPath(u"/music/BGM.MP3"), "mp3");
    EXPECT_EQ(extensionOfPath(u"/music/a.b.Ogg"), "ogg");
    EXPECT_EQ(extensionOfPath(u"/music/readme"), "");
    EXPECT_EQ(extensionOfPath(u"/home/op/.config/quillcast/bgm"), "");   // a dot in a folder is not one
    EXPECT_EQ(extensionOfPath(u"C:\\show.d\\bgm"), "");
}

TEST(PathParts, AbsolutePathsAreDrivePaths)
{
    EXPECT_TRUE(isDrivePath(u"/home/op"));
    EXPECT_FALSE(isDrivePath(u"home/op"));
    EXPECT_FALSE(isDrivePath(u"C:\\show"));
    EXPECT_FALSE(isDrivePath(u""));
}

TEST(ResolveParentSteps, ResolvesTheFirstRunOfSteps)
{
    EXPECT_EQ(resolveParentSteps(u"/show/sub/../../bgm.mp3"), "/bgm.mp3");
    EXPECT_EQ(resolveParentSteps(u"/show/../bgm.mp3"), "/bgm.mp3");
    EXPECT_EQ(resolveParentSteps(u"/show/bgm.mp3"), "/show/bgm.mp3");
    EXPECT_EQ(resolveParentSteps(u"/../bgm.mp3"), "/../bgm.mp3");         // never above the root
    EXPECT_EQ(resolveParentSteps(u"/a/../b/../c"), "/b/../c");            // a later run stays
}

TEST(ResolveScriptFile, JoinsNamesToTheScriptFolder)
{
    const struct {
        const char16_t* folder;
        const char16_t* name;
        const char* expected;
    } cases[] = {
        {u"/show/", u"bgm.mp3", "/show/bgm.mp3"},
        {u"/show", u"bgm.mp3", "/show/bgm.mp3"},
        {u"/show/", u"../bgm.mp3", "/bgm.mp3"},
        {u"/show/", u"..\\bgm.mp3", "/bgm.mp3"},                 // written on another desktop
        {u"/show/", u"pics\\logo.png", "/show/pics/logo.png"},
        {u"/show/", u"\\pics\\logo.png", "/show/pics/logo.png"}, // a leading "\" meant the script's folder
        {u"/show/", u"/srv/media/bgm.mp3", "/srv/media/bgm.mp3"},// absolute: the folder is ignored
        {u"", u"/srv/media/bgm.mp3", "/srv/media/bgm.mp3"},
        {u"/show/", u"../../bgm.mp3", ""},                       // above the root
        {u"/show/", u"a/../../../x", ""},
        {u"/show/", u"sub/x/../../../../y", ""},
        {u"", u"bgm.mp3", ""},                                   // no folder to join to
        {u"show/", u"bgm.mp3", ""},
        {u"/show/", u"", ""},
        {u"/show/", u"\\\\server\\share\\bgm.mp3", ""},          // network paths are refused
    };
    for (const auto& c : cases)
        EXPECT_EQ(resolveScriptFile(QString::fromUtf16(c.folder), QString::fromUtf16(c.name)), c.expected)
            << QString::fromUtf16(c.folder).toStdString() << " + " << QString::fromUtf16(c.name).toStdString();
}

} // namespace
} // namespace qc
