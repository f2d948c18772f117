#pragma once

#include <QString>

namespace qc {

// A modal message with a single OK button; returns once the operator has answered it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString& text, const QString& title) = 0;
};

} // namespace qc
