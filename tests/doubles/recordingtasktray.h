#pragma once

#include "tray/tasktray.h"

#include <QStringList>

namespace qc::test {

// Notes each time the tray is turned on or off, in a log shared with other doubles.
class RecordingTaskTray : public TaskTray {
public:
    explicit RecordingTaskTray(QStringList& log) : log_(log) {}
    void start() override { log_ << QStringLiteral("tray.start"); }
    void stop() override { log_ << QStringLiteral("tray.stop"); }

private:
    QStringList& log_;
};

} // namespace qc::test
