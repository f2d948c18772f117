#include "qtprinters.h"

#include <QFile>
#include <cstdio>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The preview command run as a script author runs it.
class PreviewCommand : public ::testing::Test {
protected:
    struct Result {
        int exitCode = -1;
        QStringList lines;
        QString errors;
    };

    QString writeScript(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("show.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    Result run(const QStringList& args)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUILLCAST_HOME"), dir.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUILLCAST_BIN), args);
        EXPECT_TRUE(process.waitForFinished(30000));
        Result result;
        result.exitCode = process.exitCode();
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        result.lines = out.split(u'\n', Qt::SkipEmptyParts);
        result.errors = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    static QJsonObject object(const QString& line)
    {
        return QJsonDocument::fromJson(line.toUtf8()).object();
    }

    QTemporaryDir dir;
};

const QByteArray kScript = "'qc-title Night Show\r\n"
                           "'qc-header Soon\r\n"
                           "'qc-footer Bye\r\n"
                           "Hello@ent@there\r\n"
                           "World@clpspc@!\r\n"
                           "\r\n"
                           "@qc-clipoff\r\n"
                           "Quiet\r\n";

TEST_F(PreviewCommand, WithoutActionsStepsToTheEnd)
{
    const Result result = run({"--preview", writeScript(kScript)});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    ASSERT_EQ(result.lines.size(), 4);
    EXPECT_EQ(result.lines[0], "{\"lines\":8,\"title\":\"Night Show\",\"header\":\"Soon\\n\",\"footer\":\"Bye\\n\"}");
    EXPECT_EQ(result.lines[1],
              "{\"action\":\"next\",\"pointer\":4,\"display\":\"Hello\\nthere\\nWorld!\\n\","
              "\"clipboard\":\"Hello\\nthere\\nWorld,,,,,!\\n\"}");
    const QJsonObject quiet = object(result.lines[2]);
    EXPECT_EQ(quiet["pointer"].toInt(), 7);
    EXPECT_EQ(quiet["display"].toString(), "Quiet\n");
    EXPECT_EQ(quiet["clipboard"].toString(), "\n");
    const QJsonObject end = object(result.lines[3]);
    EXPECT_EQ(end["pointer"].toInt(), 9);
    EXPECT_EQ(end["display"].toString(), "Bye\n");
    EXPECT_TRUE(end["clipboard"].isNull());
}

// A name in code page 932 bytes, as copied from Windows ("台本表.txt"; 表's second byte is a
// backslash): the script opens, titled with its name read as code page 932.
TEST_F(PreviewCommand, AScriptNamedInBytesThatAreNotUtf8StillOpens)
{
    const QByteArray path = QFile::encodeName(dir.path()) + "/\x91\xe4\x96\x7b\x95\x5c.txt";
    FILE* file = std::fopen(path.constData(), "wb");
    ASSERT_TRUE(file);
    std::fputs("Hello\r\n", file);
    std::fclose(file);

    // The name is handed over as raw bytes, as a shell or a file manager does.
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLCAST_HOME"), dir.path());
    process.setProcessEnvironment(environment);
    const QString command = QStringLiteral("exec \"$0\" --preview \"$1/$(printf '%1')\"")
                                .arg(QStringLiteral("\\x91\\xe4\\x96\\x7b\\x95\\x5c.txt"));
    process.start(QStringLiteral("bash"), {QStringLiteral("-c"), command, QStringLiteral(QUILLCAST_BIN), dir.path()});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    ASSERT_EQ(process.exitCode(), 0) << errors.toStdString();
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2) << errors.toStdString();
    EXPECT_EQ(object(lines[0])["title"].toString(), QStringLiteral("台本表.txt"));
    EXPECT_EQ(object(lines[1])["display"].toString(), "Hello\n");
    std::remove(path.constData());  // Qt cannot name it to clear the folder
}

TEST_F(PreviewCommand, ActionsAndSettings)
{
    const Result result = run({"--preview", writeScript(kScript), "--set", "ShowTxtClip=0", "--actions",
                               "jump:7,back,backoff,top,bottom"});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    ASSERT_EQ(result.lines.size(), 6);
    const int pointers[] = {7, 4, 0, 0, 9};
    for (int i = 0; i < 5; ++i) {
        const QJsonObject step = object(result.lines[i + 1]);
        EXPECT_EQ(step["pointer"].toInt(), pointers[i]) << i;
        EXPECT_TRUE(step["clipboard"].isNull()) << i;   // the clip switch is off
    }
    EXPECT_EQ(object(result.lines[2])["display"].toString(), "Hello\nthere\nWorld!\n");
    EXPECT_EQ(object(result.lines[3])["display"].toString(), "Soon\n");
}

TEST_F(PreviewCommand, ReadsTheProgramsSettingsFileBeforeTheOverrides)
{
    QFile ini(dir.filePath(QStringLiteral("QCST.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[QCST]\r\nShowTxtBreak=1\r\nShowTxtClipSpace=...\r\n");
    ini.close();
    const QString script = writeScript(kScript);

    const Result fromFile = run({"--preview", script, "--actions", "next"});
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.errors.toStdString();
    EXPECT_EQ(object(fromFile.lines[1])["display"].toString(), "Hello\nthere\n");    // one line a step

    const Result overridden = run({"--preview", script, "--set", "ShowTxtBreak=0", "--actions", "next"});
    EXPECT_EQ(object(overridden.lines[1])["clipboard"].toString(), "Hello\nthere\nWorld...!\n");
}

TEST_F(PreviewCommand, DisplayCommandsDecideWhatReachesTheClipboard)
{
    const Result result = run({"--preview", writeScript("A\n@qc-set clip=\"0\" fontsize=\"40\"\nB\n\nC\n\n@qc-set clip=\"RESET\"\nD\n")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    ASSERT_EQ(result.lines.size(), 5);
    EXPECT_TRUE(object(result.lines[1])["clipboard"].isNull());   // turned off in the step itself
    EXPECT_TRUE(object(result.lines[2])["clipboard"].isNull());
    EXPECT_EQ(object(result.lines[3])["clipboard"].toString(), "D\n");
}

TEST_F(PreviewCommand, SubDisplayValuesMarkedForCopyingGoInFrontOfTheStep)
{
    const Result result = run({"--preview", writeScript("@qc-subset id=\"0\" show=\"1\" text=\"Guest@clp@\" "
                                                        "caption=\"@ent@Tonight@clp@\"\nHello\n\nBye\n")});
    ASSERT_EQ(result.exitCode, 0) << result.errors.toStdString();
    ASSERT_EQ(result.lines.size(), 4);
    EXPECT_EQ(object(result.lines[1])["display"].toString(), "Hello\n");
    EXPECT_EQ(object(result.lines[1])["clipboard"].toString(), "Guest\nTonightHello\n");
    EXPECT_EQ(object(result.lines[2])["clipboard"].toString(), "Bye\n");
}

TEST_F(PreviewCommand, ErrorsGoToStandardErrorOnly)
{
    const QString script = writeScript(kScript);
    const QStringList bad[] = {
        {"--preview", dir.filePath("missing.txt")},
        {"--preview", dir.path()},
        {"--preview", script, "--actions", "next,dance"},
        {"--preview", script, "--set", "Nonsense=1"},
        {"--preview", script, "--set", "ShowTxtFSize=99999"},
        {"--preview", script, "--set", "ShowTxtSimpleUse=1", "--actions", "bottom"},
        {"--preview"},
    };
    for (const QStringList& args : bad) {
        const Result result = run(args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(result.lines.isEmpty()) << args.join(' ').toStdString();
        EXPECT_EQ(result.errors.count(u'\n'), 1) << result.errors.toStdString();
    }
}

TEST_F(PreviewCommand, ABadSettingsFileIsNamedWithTheKeysThatCannotBeRead)
{
    const QString script = writeScript(kScript);
    const QString settingsPath = dir.filePath("QCST.INI");
    {
        QFile settings(settingsPath);
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[QCST]\r\nWin00Left=1e300\r\nShowTxtBreak=3\r\n");
    }
    Result result = run({"--preview", script, "--set", "ShowTxtFSize=99999"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.errors.contains(settingsPath)) << result.errors.toStdString();
    EXPECT_TRUE(result.errors.contains("Win00Left, ShowTxtFSize")) << result.errors.toStdString();

    {
        QFile settings(settingsPath);
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QByteArray(64, '\0'));
    }
    result = run({"--preview", script});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.errors.contains("the settings file '" + settingsPath + "' cannot be read"))
        << result.errors.toStdString();
}

TEST_F(PreviewCommand, HelpAndVersion)
{
    const Result help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.lines.join('\n').contains("--preview SCRIPT"));
    const Result version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.lines.value(0).startsWith("quillcast "));
}

} // namespace
