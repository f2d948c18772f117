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

} // namespace
} // namespace qc
