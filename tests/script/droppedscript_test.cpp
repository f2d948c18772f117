#include "script/droppedscript.h"
#include "script/script.h"

#include "doubles/fakefiles.h"
#include "doubles/recordingmessagebox.h"
#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(PickDroppedFile, FirstMatchInLowerCase)
{
    EXPECT_EQ(pickDroppedFileByExtension({"/a/pic.png", "/a/one.TXT", "/a/two.txt"}, "txt"), "/a/one.TXT");
    EXPECT_EQ(pickDroppedFileByExtension({"/a/pic.png"}, "txt"), "");
    EXPECT_EQ(pickDroppedFileByExtension({"/a/notxt", "/a/x.txt"}, "TXT"), "/a/x.txt");
    EXPECT_EQ(pickDroppedFileByExtension({"/a/x.txt"}, "textfile"), "");   // over four characters
    EXPECT_EQ(pickDroppedFileByExtension({"/a/x.txt"}, ""), "");
}

TEST(PickDroppedFile, OnlyTheFirstTwentyAreLookedAt)
{
    QStringList dropped;
    for (int i = 1; i <= 25; ++i)
        dropped << QStringLiteral("/a/%1.png").arg(i);
    dropped[24] = QStringLiteral("/a/25.txt");
    EXPECT_EQ(pickDroppedFileByExtension(dropped, "txt"), "");
    dropped[19] = QStringLiteral("/a/20.txt");
    EXPECT_EQ(pickDroppedFileByExtension(dropped, "txt"), "/a/20.txt");
}

class RecordingLoadView : public ScriptLoadView {
public:
    void beginScriptLoad() override { calls << "begin"; }
    void endScriptLoad(int lineCount, const QString& fileName) override
    {
        calls << QStringLiteral("end %1 %2").arg(lineCount).arg(fileName);
    }
    QStringList calls;
};

TEST(OpenDroppedScript, LoadsItAndMovesTheDialogFolder)
{
    test::FakeFiles files;
    test::RecordingMessageBox messages;
    Script script(files, files, messages);
    RecordingLoadView view;
    files.put("/shows/friday/run.txt", {"a", "b", "c"});
    QString initDir = QStringLiteral("/home/op/");

    openDroppedScript("/shows/friday/run.txt", script, initDir, view);

    EXPECT_EQ(view.calls, QStringList({"begin", "end 3 run.txt"}));
    EXPECT_EQ(initDir, "/shows/friday/");
    EXPECT_EQ(script.location().path, "/shows/friday/run.txt");
    EXPECT_EQ(script.content().lineCount(), 3);
}

} // namespace
} // namespace qc
