#include "shell/lifecycle.h"

#include "platform/fileexistence.h"
#include "platform/messagebox.h"
#include "platform/osversion.h"
#include "platform/singleinstance.h"
#include "script/script.h"
#include "settings/settingsfile.h"
#include "shell/commandline.h"
#include "shell/programfolder.h"
#include "shell/programvalues.h"
#include "tray/tasktray.h"
#include "windows/windowmanager.h"

#include <QDir>

namespace qc {

QString osVersionText(int major, int minor)
{
    return QStringLiteral("%1.%2").arg(major).arg(QStringLiteral("000%1").arg(minor).right(3));
}

Lifecycle::Lifecycle(Parts parts, Services services) : parts_(parts), services_(std::move(services)) {}

void Lifecycle::openScript(const QString& path)
{
    parts_.script.setLocation(ScriptLocation::ofPath(path));
    parts_.script.load();
}

void Lifecycle::initialize(const QString& programFolder, const QString& commandLineText,
                           const QString& workingFolder, bool splashMinimised)
{
    ProgramValues& values = parts_.values;
    const QString folder = withTrailingSeparator(programFolder);
    if (!services_.singleInstance.acquire(folder)) {
        services_.messages.show(kAlreadyRunningMessage, kProgramName);
        services_.endProgram();
        return;
    }
    values.programFolder = folder;
    values.settingsFilePath = folder + kSettingsFileName;
    if (const std::optional<OsVersionNumber> version = services_.osVersion.query())
        values.osVersion = osVersionText(version->major, version->minor);

    QString startupScript = startupScriptArgument(commandLineText);

    parts_.windows.loadTimerWindow();
    parts_.windows.loadMusicEngine();
    parts_.settingsFile.read(parts_.settings, {values.settingsFilePath, values.programFolder, values.osVersion},
                             parts_.firstRunWindows);

    // A relative path names a file of the folder the program was started in.
    if (!startupScript.isEmpty())
        startupScript = QDir(workingFolder).absoluteFilePath(startupScript);
    if (!startupScript.isEmpty() && !services_.existence.fileExists(startupScript))
        startupScript.clear();
    if (!startupScript.isEmpty()) {
        openScript(startupScript);
    } else if (parts_.settings.integer(SettingKey::ShowTxtQcTxt) > 0) {
        const QString defaultScript = values.programFolder + kDefaultScriptFileName;
        if (services_.existence.fileExists(defaultScript))
            openScript(defaultScript);
        else
            parts_.script.setLocation({});
    }

    if (parts_.settings.integer(SettingKey::TaskUse) > 0)
        parts_.taskTray.start();
    if (splashMinimised)
        parts_.settings.setText(SettingKey::Win00State, QStringLiteral("1"));
    parts_.windows.openMainWindow();
}

void Lifecycle::shutdown()
{
    if (parts_.settings.integer(SettingKey::TaskUse) > 0)
        parts_.taskTray.stop();
    parts_.settingsFile.write(parts_.settings, parts_.values.settingsFilePath);
    parts_.windows.unloadTimerWindow();
    parts_.windows.unloadMusicEngine();
    services_.endProgram();
}

} // namespace qc
