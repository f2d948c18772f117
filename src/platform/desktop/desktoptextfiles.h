#pragma once

#include "platform/textfiles.h"

namespace qc {

class DesktopTextFiles : public TextFiles {
public:
    std::optional<QStringList> readLines(const QString& path, int maxLines) override;
    bool writeLines(const QString& path, const QStringList& lines) override;
};

} // namespace qc
