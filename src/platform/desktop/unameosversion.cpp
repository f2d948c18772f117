#include "platform/desktop/unameosversion.h"

#include <cstdio>
#include <sys/utsname.h>

namespace qc {

std::optional<OsVersionNumber> parseKernelRelease(const char* release)
{
    OsVersionNumber version;
    if (std::sscanf(release, "%d.%d", &version.major, &version.minor) != 2)
        return std::nullopt;
    return version;
}

std::optional<OsVersionNumber> UnameOsVersion::query() const
{
    utsname name{};
    if (::uname(&name) != 0)
        return std::nullopt;
    return parseKernelRelease(name.release);
}

} // namespace qc
