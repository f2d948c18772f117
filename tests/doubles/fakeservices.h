#pragma once

#include "platform/clipboard.h"
#include "platform/commondialogs.h"
#include "platform/pictures.h"
#include "platform/osversion.h"
#include "platform/shellopen.h"
#include "platform/singleinstance.h"

#include <QStringList>

#include <deque>

namespace qc::test {

class FakeSingleInstance : public SingleInstance {
public:
    bool acquire(const QString& programFolder) override
    {
        askedFor = programFolder;
        return !otherCopyRunning;
    }
    bool otherCopyRunning = false;
    QString askedFor;
};

class FakeOsVersion : public OsVersion {
public:
    std::optional<OsVersionNumber> query() const override { return version; }
    std::optional<OsVersionNumber> version = OsVersionNumber{6, 1};
};

// The desktop clipboard: every call in `calls`, the texts put in `puts`.
class RecordingDesktopClipboard : public Clipboard {
public:
    void clear() override { calls << QStringLiteral("clear"); }
    void putText(const QString& text) override
    {
        calls << QStringLiteral("put ") + text;
        puts << text;
    }
    QStringList calls;
    QStringList puts;
};

// Every picture loads but the ones named broken.
class FakePictures : public Pictures {
public:
    bool canLoad(const QString& path) const override { return !broken.contains(path); }
    QStringList broken;
};

class RecordingShellOpen : public ShellOpen {
public:
    void open(const QString& target) override { opened << target; }
    QStringList opened;
};

// Dialogs answered from a queue; an empty queue is a cancel.
class FakeCommonDialogs : public CommonDialogs {
public:
    std::optional<QString> openFile(const QString& filter, const QString& startFolder) override
    {
        asked << filter + u'@' + startFolder;
        if (fileAnswers.empty())
            return std::nullopt;
        std::optional<QString> answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    std::optional<QString> chooseColor() override { return std::nullopt; }

    std::deque<std::optional<QString>> fileAnswers;
    QStringList asked;
};

} // namespace qc::test
