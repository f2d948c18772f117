#pragma once

#include <QString>

namespace qc {

// Which font family the desktop actually uses when asked for a family name.
class FontProbe {
public:
    virtual ~FontProbe() = default;
    virtual QString selectedFamily(const QString& requested) const = 0;
};

} // namespace qc
