#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Lets GoogleTest show texts readably in failure messages, line breaks escaped.
QT_BEGIN_NAMESPACE
void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const QStringList& texts, std::ostream* os);
QT_END_NAMESPACE
