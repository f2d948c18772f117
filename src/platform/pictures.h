#pragma once

#include <QString>

namespace qc {

// Picture files for the sub displays: whether a file decodes as a picture.
class Pictures {
public:
    virtual ~Pictures() = default;
    virtual bool canLoad(const QString& path) const = 0;
};

} // namespace qc
