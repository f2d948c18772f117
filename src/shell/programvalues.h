#pragma once

#include <QString>

namespace qc {

// The program-wide values fixed at start-up.
struct ProgramValues {
    QString programFolder;      // ends in "/"
    QString settingsFilePath;
    QString osVersion = QStringLiteral("0.000");
};

} // namespace qc
