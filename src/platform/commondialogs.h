#pragma once

#include <QString>

#include <optional>

namespace qc {

struct FontChoice {
    QString family;
    double pointSize = 0; // the desktop offers sizes such as 10.5
    bool bold = false;
    bool italic = false;
};

// The desktop's file-open, font and colour dialogs. Each answers nullopt on cancel.
class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;
    // filter: "description|pattern[;pattern]|description|pattern..." pairs.
    virtual std::optional<QString> openFile(const QString& filter, const QString& startFolder) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    // Answers the colour as six upper-case hexadecimal digits RRGGBB.
    virtual std::optional<QString> chooseColor() = 0;
};

} // namespace qc
