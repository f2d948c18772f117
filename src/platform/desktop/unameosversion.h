#pragma once

#include "platform/osversion.h"

namespace qc {

// The kernel's release, major and minor ("6.1.0-18-amd64" is 6.1).
class UnameOsVersion : public OsVersion {
public:
    std::optional<OsVersionNumber> query() const override;
};

// The major and minor numbers at the start of a release text.
std::optional<OsVersionNumber> parseKernelRelease(const char* release);

} // namespace qc
