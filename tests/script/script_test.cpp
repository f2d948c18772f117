#include "script/script.h"

#include "doubles/fakefiles.h"
#include "doubles/recordingmessagebox.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

class ScriptLoading : public ::testing::Test {
protected:
    void loadFrom(const QString& path)
    {
        script.setLocation(ScriptLocation::ofPath(path));
        script.load();
    }

    test::FakeFiles files;
    test::RecordingMessageBox messages;
    Script script{files, files, messages};
};

TEST_F(ScriptLoading, LoadsTheNamedFile)
{
    files.put("/show/evening.txt", {"'qc-title Evening", "Hello", "", "World"});
    loadFrom("/show/evening.txt");
    EXPECT_EQ(script.location().folder, "/show/");
    EXPECT_EQ(script.location().fileName, "evening.txt");
    EXPECT_EQ(script.content().lineCount(), 4);
    EXPECT_EQ(script.content().title, "Evening");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ScriptLoading, AMissingFileKeepsThePreviousScriptSilently)
{
    files.put("/show/a.txt", {"one", "two"});
    loadFrom("/show/a.txt");
    loadFrom("/show/missing.txt");
    EXPECT_EQ(script.content().lineCount(), 2);
    EXPECT_EQ(script.content().line(1).text, "one");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ScriptLoading, AnUnreadableFileClearsAndTellsTheOperator)
{
    files.put("/show/a.txt", {"one", "two"});
    loadFrom("/show/a.txt");
    files.putUnreadable("/show/locked.txt");
    loadFrom("/show/locked.txt");
    EXPECT_EQ(script.content().lineCount(), 0);
    EXPECT_EQ(script.content().title, "表示");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "データファイル読み込みエラーです。");
    EXPECT_EQ(messages.shown[0].title, "QCST");
}

TEST_F(ScriptLoading, ClearingRunsTheClearedHandler)
{
    int cleared = 0;
    script.setClearedHandler([&] { ++cleared; });
    files.put("/show/a.txt", {"one"});
    loadFrom("/show/a.txt");
    EXPECT_EQ(cleared, 1);   // every load starts from an empty table
    loadFrom("/show/none.txt");
    EXPECT_EQ(cleared, 1);   // a missing file changes nothing
    script.clear();
    EXPECT_EQ(cleared, 2);
    EXPECT_EQ(script.content().lineCount(), 0);
    EXPECT_EQ(script.content().header, "");
    EXPECT_EQ(script.location().path, "/show/none.txt");  // the location is the caller's
}

TEST_F(ScriptLoading, AnEmptyPathLoadsNothing)
{
    loadFrom(QString());
    EXPECT_EQ(script.content().lineCount(), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

} // namespace
} // namespace qc
