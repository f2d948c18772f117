#pragma once

#include "platform/singleinstance.h"

namespace qc {

// A lock on a file in the program folder, held with flock(): the kernel lets go of it when
// the process ends in any way, so a crashed copy never blocks the next start.
class LockFileSingleInstance : public SingleInstance {
public:
    LockFileSingleInstance() = default;
    ~LockFileSingleInstance() override;
    LockFileSingleInstance(const LockFileSingleInstance&) = delete;
    LockFileSingleInstance& operator=(const LockFileSingleInstance&) = delete;

    bool acquire(const QString& programFolder) override;

private:
    int fd_ = -1;
};

} // namespace qc
