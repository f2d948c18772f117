#pragma once

#include <QString>

namespace qc {

// Whether a regular file of that name exists (a folder is not a file).
class FileExistence {
public:
    virtual ~FileExistence() = default;
    virtual bool fileExists(const QString& path) const = 0;
};

} // namespace qc
