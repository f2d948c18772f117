#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace qc::preview {

enum class ActionKind { Next, Back, Top, Bottom, NextOff, BackOff, Jump };

struct Action {
    ActionKind kind;
    QString written;   // as given on the command line, for the report
    QString jumpText;  // what is typed into the jump box
};

struct PreviewOptions {
    QString scriptPath;
    QStringList settingLines;             // "Key=value"
    std::optional<std::vector<Action>> actions;
};

// The arguments after "--preview"; an error message when they are not usable.
std::variant<PreviewOptions, QString> parsePreviewOptions(const QStringList& args);

// Whether an action needs the full controller (the simple one has no such button).
bool needsFullController(ActionKind kind);

} // namespace qc::preview
