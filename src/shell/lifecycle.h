#pragma once

#include <QString>

#include <functional>

namespace qc {

class FileExistence;
class FirstRunWindows;
class MessageBox;
class OsVersion;
class Script;
class Settings;
class SettingsFile;
class SingleInstance;
class TaskTray;
class WindowManager;
struct ProgramValues;

inline const QString kAlreadyRunningMessage = QStringLiteral("二重起動しています。終了します。");
inline const QString kProgramName = QStringLiteral("Quillcast");

// The start-up and the orderly end of the program, each in its fixed order.
class Lifecycle {
public:
    struct Parts {
        ProgramValues& values;
        Settings& settings;
        SettingsFile& settingsFile;
        Script& script;
        WindowManager& windows;
        FirstRunWindows& firstRunWindows;
        TaskTray& taskTray;
    };
    struct Services {
        SingleInstance& singleInstance;
        MessageBox& messages;
        const OsVersion& osVersion;
        const FileExistence& existence;
        // Ends the process at once: no window's closing handlers run any more.
        std::function<void()> endProgram;
    };

    Lifecycle(Parts parts, Services services);

    // commandLineText is the whole argument text; workingFolder resolves a relative script
    // path; splashMinimised tells that the operator minimised the splash.
    void initialize(const QString& programFolder, const QString& commandLineText,
                    const QString& workingFolder, bool splashMinimised);
    void shutdown();

private:
    void openScript(const QString& path);

    Parts parts_;
    Services services_;
};

// "major.minor" with the minor number as exactly three digits (6.1 gives "6.001").
QString osVersionText(int major, int minor);

} // namespace qc
