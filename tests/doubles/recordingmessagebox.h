#pragma once

#include "platform/messagebox.h"

#include <QList>

namespace qc::test {

// Records the messages instead of waiting for an operator.
class RecordingMessageBox : public MessageBox {
public:
    struct Message {
        QString text;
        QString title;
        bool operator==(const Message&) const = default;
    };

    void show(const QString& text, const QString& title) override { shown.append({text, title}); }

    QList<Message> shown;
};

} // namespace qc::test
