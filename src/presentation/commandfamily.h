#pragma once

namespace qc {

struct ScriptLine;

// A family of script commands (the display's, the sub displays', the music's): its command
// lines stage values while a step is gathered; after the step the engine checks, applies and
// clears them, family by family in a fixed order, when the family is pending.
class CommandFamily {
public:
    virtual ~CommandFamily() = default;
    // Stages the values of one of the family's own command lines; false for any other line.
    virtual bool stage(const ScriptLine& line) = 0;
    // The step met one of the family's commands: check, apply and clear are due.
    virtual bool isPending() const = 0;
    virtual void check() = 0;
    virtual void apply() = 0;
    // Drops the staged values; the family is no longer pending.
    virtual void clear() = 0;
};

} // namespace qc
