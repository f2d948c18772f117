#pragma once

#include <QString>
#include <QStringList>

namespace qc {

enum class CommandLineOption { None, Help, Version, Preview };

// The option the command line starts with; None when it names a script to open.
CommandLineOption commandLineOption(const QStringList& args);

QString usageText();

// The script named by the whole command-line text: one path, optionally in double quotes.
// A lone double quote names nothing; no other splitting or trimming is done.
QString startupScriptArgument(const QString& commandLineText);

} // namespace qc
