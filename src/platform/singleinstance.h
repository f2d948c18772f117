#pragma once

#include <QString>

namespace qc {

// One running copy per program folder. A lock left by a copy that crashed does not count.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // False when another copy for the same program folder is running. The lock is held
    // until this object is destroyed or the process ends.
    virtual bool acquire(const QString& programFolder) = 0;
};

} // namespace qc
