#include "shell/programfolder.h"

#include "qtprinters.h"

#include <QSet>

#include <gtest/gtest.h>

namespace qc {
namespace {

TEST(ProgramFolder, ChoosesInOrder)
{
    QSet<QString> files{"/opt/quillcast/QCST.INI"};
    const auto exists = [&](const QString& path) { return files.contains(path); };

    EXPECT_EQ(chooseProgramFolder({"/srv/show", "/opt/quillcast", "/home/op/.config", exists}), "/srv/show/");
    EXPECT_EQ(chooseProgramFolder({"/srv/show/", "/opt/quillcast", "/home/op/.config", exists}), "/srv/show/");
    EXPECT_EQ(chooseProgramFolder({"", "/opt/quillcast", "/home/op/.config", exists}), "/opt/quillcast/");
    EXPECT_EQ(chooseProgramFolder({"", "/usr/bin", "/home/op/.config", exists}), "/home/op/.config/quillcast/");
    EXPECT_EQ(chooseProgramFolder({"", "/usr/bin", "/home/op/.config/", exists}), "/home/op/.config/quillcast/");
}

TEST(ProgramFolder, TheRootKeepsItsSingleSeparator)
{
    EXPECT_EQ(withTrailingSeparator("/"), "/");
    EXPECT_EQ(withTrailingSeparator("/srv"), "/srv/");
    EXPECT_EQ(withTrailingSeparator(""), "");
}

// A build or a portable copy keeps its help beside the program; an installed program finds it
// under its prefix, wherever that is.
TEST(ProgramFolder, SharedDataBesideTheProgramOrUnderItsPrefix)
{
    const auto only = [](const QString& existing) {
        return [existing](const QString& path) { return path == existing; };
    };
    EXPECT_EQ(sharedDataFolder("/home/me/quillcast/build/src", only("/home/me/quillcast/build/src/help/scripts.html")),
              "/home/me/quillcast/build/src/");
    EXPECT_EQ(sharedDataFolder("/usr/bin", only("")), "/usr/share/quillcast/");
    EXPECT_EQ(sharedDataFolder("/tmp/root/usr/bin/", only("")), "/tmp/root/usr/share/quillcast/");
}

} // namespace
} // namespace qc
