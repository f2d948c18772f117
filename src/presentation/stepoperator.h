#pragma once

#include <QString>

namespace qc {

// The operator's stepping actions, as the controller's buttons and keys, the preview's
// actions and any other remote hand all ask for them.
class StepOperator {
public:
    virtual ~StepOperator() = default;
    virtual void next() = 0;
    virtual void nextWithoutClipboard() = 0;
    virtual void back() = 0;
    virtual void backWithoutClipboard() = 0;
    virtual void top() = 0;
    virtual void bottom() = 0;
    // As if the line number were typed into the jump box before Next.
    virtual void jump(const QString& lineNumber) = 0;
};

} // namespace qc
