#pragma once

#include <optional>

namespace qc {

struct OsVersionNumber {
    int major = 0;
    int minor = 0;
};

// The operating system's version: here the kernel's release. nullopt when it cannot be read.
class OsVersion {
public:
    virtual ~OsVersion() = default;
    virtual std::optional<OsVersionNumber> query() const = 0;
};

} // namespace qc
