#pragma once

#include "script/scripttables.h"

#include <QString>

namespace qc {

// A family of script commands (the display's, the sub displays', the music's), each with a
// command that sets keys and one that resets them: its command lines stage values while a step
// is gathered; after the step the engine checks, applies and clears them, family by family in
// a fixed order, when the family is pending.
class CommandFamily {
public:
    CommandFamily(Command setCommand, Command resetCommand) : set_(setCommand), reset_(resetCommand) {}
    virtual ~CommandFamily() = default;

    // Stages the values of one of the family's own command lines; false for any other line.
    bool stage(const ScriptLine& line)
    {
        if (line.command == set_)
            stageKeys(line.text);
        else if (line.command == reset_)
            stageReset();
        else
            return false;
        return true;
    }
    // The keys the reset command puts back to their defaults.
    virtual void stageReset() = 0;

    // The step met one of the family's commands: check, apply and clear are due.
    virtual bool isPending() const = 0;
    virtual void check() = 0;
    virtual void apply() = 0;
    // Drops the staged values; the family is no longer pending.
    virtual void clear() = 0;

protected:
    // The keys of one set command line.
    virtual void stageKeys(const QString& line) = 0;

private:
    Command set_;
    Command reset_;
};

} // namespace qc
