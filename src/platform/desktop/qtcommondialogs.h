#pragma once

#include "platform/commondialogs.h"

namespace qc {

class QtCommonDialogs : public CommonDialogs {
public:
    std::optional<QString> openFile(const QString& filter, const QString& startFolder) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<QString> chooseColor() override;
};

// "desc|pattern;pattern|desc|pattern" as a Qt name filter "desc (pattern pattern);;...".
// "*.*" stands for every file, as it did on the desktop the filters were written for.
QString qtNameFilter(const QString& filter);

} // namespace qc
