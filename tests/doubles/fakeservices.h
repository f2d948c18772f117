#pragma once

#include "platform/clipboard.h"
#include "platform/commondialogs.h"
#include "platform/pictures.h"
#include "platform/osversion.h"
#include "platform/shellopen.h"
#include "platform/singleinstance.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

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

// Dialogs answered from queues; an empty queue is a cancel. `whileOpen` runs inside every
// dialog, to see the program as it is while the operator chooses.
class FakeCommonDialogs : public CommonDialogs {
public:
    std::optional<QString> openFile(const QString& filter, const QString& startFolder) override
    {
        asked << filter + u'@' + startFolder;
        if (std::optional<std::optional<QString>> next = answer(fileAnswers))
            return *next;
        return std::nullopt;
    }
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override
    {
        fontsAsked.push_back(initial);
        return answer(fontAnswers);
    }
    std::optional<QString> chooseColor() override
    {
        ++colorsAsked;
        return answer(colorAnswers);
    }

    std::deque<std::optional<QString>> fileAnswers;
    std::deque<FontChoice> fontAnswers;
    std::deque<QString> colorAnswers;   // RRGGBB
    QStringList asked;                  // "filter@startFolder" of each file dialog
    std::vector<FontChoice> fontsAsked; // what each font dialog was preset with
    int colorsAsked = 0;
    std::function<void()> whileOpen;

private:
    template <typename T>
    std::optional<T> answer(std::deque<T>& answers)
    {
        if (whileOpen)
            whileOpen();
        if (answers.empty())
            return std::nullopt;
        std::optional<T> next = std::move(answers.front());
        answers.pop_front();
        return next;
    }
};

} // namespace qc::test
