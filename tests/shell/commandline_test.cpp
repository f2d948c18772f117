#include "shell/commandline.h"
#include "shell/preview/previewoptions.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(StartupScriptArgument, TheWholeTextIsOnePath)
{
    const struct {
        const char* text;
        const char* path;
    } cases[] = {
        {"\"/home/op/my shows/evening.txt\"", "/home/op/my shows/evening.txt"},
        {"/home/op/my shows/evening.txt", "/home/op/my shows/evening.txt"},
        {"\"", ""},
        {"\"\"", ""},
        {"\"/home/op/open.txt", "\"/home/op/open.txt"},   // no closing quote: taken unchanged
        {"", ""},
        {" spaced ", " spaced "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(startupScriptArgument(QString::fromUtf8(c.text)), QString::fromUtf8(c.path)) << c.text;
}

TEST(CommandLineOption, OptionsComeFirst)
{
    EXPECT_EQ(commandLineOption({"--preview", "a.txt"}), CommandLineOption::Preview);
    EXPECT_EQ(commandLineOption({"--help"}), CommandLineOption::Help);
    EXPECT_EQ(commandLineOption({"--version"}), CommandLineOption::Version);
    EXPECT_EQ(commandLineOption({"my", "--preview"}), CommandLineOption::None);
    EXPECT_EQ(commandLineOption({}), CommandLineOption::None);
}

TEST(PreviewOptions, ParsesScriptSettingsAndActions)
{
    const auto parsed = preview::parsePreviewOptions(
        {"--set", "ShowTxtBreak=2", "show.txt", "--actions", "next,jump:12,back,top,bottom,nextoff,backoff",
         "--set", "ShowTxtClipSpace=、、"});
    ASSERT_TRUE(std::holds_alternative<preview::PreviewOptions>(parsed));
    const auto& options = std::get<preview::PreviewOptions>(parsed);
    EXPECT_EQ(options.scriptPath, "show.txt");
    EXPECT_EQ(options.settingLines, QStringList({"ShowTxtBreak=2", "ShowTxtClipSpace=、、"}));
    ASSERT_TRUE(options.actions);
    ASSERT_EQ(options.actions->size(), 7u);
    EXPECT_EQ((*options.actions)[1].kind, preview::ActionKind::Jump);
    EXPECT_EQ((*options.actions)[1].jumpText, "12");
    EXPECT_EQ((*options.actions)[1].written, "jump:12");
    EXPECT_EQ((*options.actions)[6].kind, preview::ActionKind::BackOff);
}

TEST(PreviewOptions, RejectsWhatItCannotUse)
{
    const QStringList bad[] = {
        {},
        {"a.txt", "b.txt"},
        {"a.txt", "--set"},
        {"a.txt", "--set", "NoSuchKey=1"},
        {"a.txt", "--set", "showtxtbreak=1"},   // keys are exact, as in the settings file
        {"a.txt", "--set", "ShowTxtBreak"},
        {"a.txt", "--actions", "next,fly"},
        {"a.txt", "--actions", "next,,back"},
        {"a.txt", "--actions", "next", "--actions", "back"},
        {"a.txt", "--verbose"},
    };
    for (const QStringList& args : bad) {
        const auto parsed = preview::parsePreviewOptions(args);
        EXPECT_TRUE(std::holds_alternative<QString>(parsed)) << args.join(' ').toStdString();
    }
}

} // namespace
} // namespace qc
