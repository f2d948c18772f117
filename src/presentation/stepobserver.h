#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace qc {

enum class StepAction { Next, NextWithoutClipboard, Back, BackWithoutClipboard, Top, Bottom, Jump };

// What one operator action did.
struct StepReport {
    StepAction action;
    int pointer;                          // the line number the controller shows
    QString displayText;                  // what the display window shows, CR LF line breaks
    std::optional<QString> clipboardText; // what went to the clipboard, when anything did
};

// The display window's look as the display commands set it.
struct DisplayLook {
    QString fontName;
    int fontSize = 0;
    bool bold = false;
    bool italic = false;
    QString foreColor;  // RRGGBB
    QString backColor;
};

inline bool operator==(const DisplayLook& a, const DisplayLook& b)
{
    return a.fontName == b.fontName && a.fontSize == b.fontSize && a.bold == b.bold && a.italic == b.italic
           && a.foreColor == b.foreColor && a.backColor == b.backColor;
}

// Anything that wants to follow the presentation: every call comes after the fact.
class StepObserver {
public:
    virtual ~StepObserver() = default;
    virtual void runStarted() {}
    virtual void runEnded() {}
    virtual void stepTaken(const StepReport& /*report*/) {}
    virtual void lookChanged(const DisplayLook& /*look*/) {}
};

// The observers of one presentation, told in the order they subscribed.
class StepObservers : public StepObserver {
public:
    void subscribe(StepObserver& observer) { observers_.push_back(&observer); }
    void unsubscribe(const StepObserver& observer) { std::erase(observers_, &observer); }

    void runStarted() override { each([](StepObserver& o) { o.runStarted(); }); }
    void runEnded() override { each([](StepObserver& o) { o.runEnded(); }); }
    void stepTaken(const StepReport& report) override { each([&](StepObserver& o) { o.stepTaken(report); }); }
    void lookChanged(const DisplayLook& look) override { each([&](StepObserver& o) { o.lookChanged(look); }); }

private:
    // Over a copy, so an observer may unsubscribe while it is told.
    template <typename Call>
    void each(Call call)
    {
        const std::vector<StepObserver*> observers = observers_;
        for (StepObserver* observer : observers)
            call(*observer);
    }

    std::vector<StepObserver*> observers_;
};

} // namespace qc
