#pragma once

#include "settings/settings.h"

#include <QString>
#include <QStringList>

namespace qc {

class FileExistence;
class FontProbe;
class MessageBox;
class Screen;
class TextFiles;

inline const QString kSettingsReadErrorMessage = QStringLiteral("設定ファイル読み込みエラーです。");
inline const QString kSettingsWriteErrorMessage = QStringLiteral("設定ファイル書き込みエラーです。");

// Outer sizes in twips of the operator windows as designed, measured on the first run to
// place them.
struct OperatorWindowSizes {
    int mainWidth = 0;
    int mainHeight = 0;
    int controllerWidth = 0;
    int controllerHeight = 0;
    int displayWidth = 0;
    int displayHeight = 0;
    int dialogWidth = 0;
    int dialogHeight = 0;
};

// Loads the operator windows unseen, sizes the display window as given, answers the sizes
// and unloads them again.
class FirstRunWindows {
public:
    virtual ~FirstRunWindows() = default;
    virtual OperatorWindowSizes measure(int displayWidth, int displayHeight) = 0;
};

// What reading the settings depends on.
struct SettingsPlace {
    QString filePath;      // the settings file
    QString programFolder; // default of InitDir
    QString osVersion;     // "major.minor" with three minor digits
};

// The settings file QCST.INI: read once at start-up, written once at the orderly end.
class SettingsFile {
public:
    SettingsFile(TextFiles& files, FileExistence& existence, MessageBox& messages,
                 const Screen& screen, const FontProbe& fonts);

    // Fills every setting. Without a file, defaults and first-run window places; otherwise the
    // file's values, checked. `overrides` are "Key=value" lines taken as if they stood at the
    // file's end (and then checked even on a first run).
    void read(Settings& settings, const SettingsPlace& place, FirstRunWindows& windows,
              const QStringList& overrides = {});

    // Writes every setting; a minimised controller or settings dialog is remembered as a
    // minimised main window.
    void write(Settings& settings, const QString& filePath);

    // What the last read could not read: key names, or "" for the file itself.
    const QStringList& unreadableKeys() const { return unreadableKeys_; }

private:
    void setDefaults(Settings& settings, const SettingsPlace& place) const;
    void placeFirstRunWindows(Settings& settings, FirstRunWindows& windows) const;
    // Checks every key; the names of those whose values could not be read (they then have
    // their defaults).
    QStringList check(Settings& settings, const SettingsPlace& place) const;
    void checkWinTune(Settings& settings, const SettingsPlace& place) const;

    TextFiles& files_;
    FileExistence& existence_;
    MessageBox& messages_;
    const Screen& screen_;
    const FontProbe& fonts_;
    QStringList unreadableKeys_;
};

// Takes "Key=value" lines into the settings' text forms: exact key case, the value is the
// rest of the line; the last occurrence wins; other lines are ignored.
void takeSettingLines(Settings& settings, const QStringList& lines);

} // namespace qc
