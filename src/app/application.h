#pragma once

#include "platform/desktop/desktopfileexistence.h"
#include "platform/desktop/desktopshellopen.h"
#include "platform/desktop/desktoptextfiles.h"
#include "platform/desktop/lockfilesingleinstance.h"
#include "platform/desktop/qtclipboard.h"
#include "platform/desktop/qtcommondialogs.h"
#include "platform/desktop/qtfontprobe.h"
#include "platform/desktop/qtmessagebox.h"
#include "platform/desktop/qtpictures.h"
#include "platform/desktop/qtscreen.h"
#include "platform/desktop/quitsignals.h"
#include "platform/desktop/qttimers.h"
#include "platform/desktop/qttray.h"
#include "platform/desktop/systemclock.h"
#include "platform/desktop/unameosversion.h"
#include "platform/gstreamer/gstmediadevice.h"
#include "platform/gstreamer/gstwavesound.h"
#include "presentation/displaywindowlogic.h"
#include "presentation/voicesoftware.h"
#include "remote/qtremoteserver.h"
#include "remote/remoteapi.h"
#include "remote/remotecontrol.h"
#include "remote/remotesettings.h"
#include "remote/remotestate.h"
#include "script/script.h"
#include "settings/settingsfile.h"
#include "shell/lifecycle.h"
#include "shell/presentationcore.h"
#include "shell/programvalues.h"
#include "tray/tasktimers.h"
#include "tray/trayicon.h"
#include "tray/traymessages.h"
#include "windows/factorywindowloader.h"
#include "windows/firstrunmeasure.h"
#include "windows/windowflags.h"
#include "windows/windowmanager.h"
#include "windows/windowregistry.h"

#include <QStringList>

namespace qc {

// The program put together: every part is made here, once, and handed the others it needs.
class Application {
public:
    // `remote`: the remote control asked for on the command line, for this run.
    Application(QStringList arguments, std::optional<RemoteAsk> remote);
    ~Application();

    // Shows the splash and runs until the program ends; the exit status.
    int run();

private:
    void registerWindows();
    template <typename Widget>
    std::unique_ptr<Window> manage(Widget* widget, const QString& name);
    void startUp(bool splashMinimised);
    void endProgram();

    QStringList arguments_;

    DesktopTextFiles files_;
    DesktopFileExistence existence_;
    QtMessageBox messages_;
    QtScreen screen_;
    QtFontProbe fonts_;
    QtTimers timers_;
    LockFileSingleInstance singleInstance_;
    UnameOsVersion osVersion_;
    QtCommonDialogs dialogs_;
    DesktopShellOpen shell_;
    QtClipboard clipboard_;
    QtPictures pictures_;
    GstMediaDevice mediaDevice_;
    GstWaveSound waveSound_;

    ProgramValues values_;
    WindowFlags flags_;
    Settings settings_;
    Script script_{files_, existence_, messages_};
    ShowStateRecords showStates_;
    FactoryWindowLoader loader_;
    WindowRegistry registry_{loader_};
    WindowManager windows_{registry_, showStates_, settings_, screen_};
    SettingsFile settingsFile_{files_, existence_, messages_, screen_, fonts_};
    VoiceSoftware voice_{shell_, messages_, settings_};
    FirstRunMeasure firstRun_{windows_, registry_, flags_};
    SystemClock clock_;
    QtTray tray_;
    TrayIcon trayIcon_{tray_, flags_};
    TaskTimers taskTimers_{timers_, clock_, settings_, windows_, trayIcon_};
    TrayMessages trayMessages_{tray_, settings_, windows_, flags_, taskTimers_};
    Lifecycle lifecycle_;

    DisplayWindowHost displayHost_;
    PresentationCore presentation_;

    std::optional<RemoteAsk> remoteAsk_;
    RemoteStateTracker remoteState_{script_, settings_, presentation_.look()};
    RemoteAccess remoteAccess_;
    RemoteApi remoteApi_{{presentation_.stepOperator(), remoteState_, remoteAccess_}};
    QtRemoteServer remoteServer_{remoteApi_, remoteState_};
    RemoteControl remoteControl_{{files_, messages_, remoteServer_, remoteAccess_, &QtRemoteServer::ownHosts}};

    // The session's end quits as the tray menu's quit does: every window records its place
    // and the settings are written.
    QuitSignals quitSignals_{[this] { trayMessages_.onMenu(TrayMenuEntry::Quit); }};
};

} // namespace qc
