#pragma once

#include "platform/fileexistence.h"

namespace qc {

class DesktopFileExistence : public FileExistence {
public:
    bool fileExists(const QString& path) const override;
};

} // namespace qc
