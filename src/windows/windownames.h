#pragma once

#include <QString>

namespace qc {

inline constexpr int kSubDisplayCount = 5;

} // namespace qc

namespace qc::windowname {

inline const QString kSplash = QStringLiteral("frmOp00");
inline const QString kMain = QStringLiteral("frmMi00");
inline const QString kController = QStringLiteral("frmMi01");
inline const QString kSimpleController = QStringLiteral("frmMi01a");
inline const QString kDisplay = QStringLiteral("frmMi02");
inline const QString kSettingsDialog = QStringLiteral("frmMi03");
inline const QString kAboutDialog = QStringLiteral("frmMi80");
inline const QString kMusicPanel = QStringLiteral("frmMu00");
inline const QString kMusicEngine = QStringLiteral("frmMf00");
inline const QString kTimerWindow = QStringLiteral("frmCk00");
inline const QString kTrayWindow = QStringLiteral("frmTk00");

// "frmSb00" ... "frmSb04".
inline QString subDisplay(int id)
{
    return QStringLiteral("frmSb0%1").arg(id);
}

} // namespace qc::windowname
