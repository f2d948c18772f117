#include "app/application.h"

#include "shell/programfolder.h"
#include "shell/qtmainwindow.h"
#include "shell/qtsplash.h"
#include "presentation/qtcontroller.h"
#include "presentation/qtdisplaywindow.h"
#include "music/musicenginewindow.h"
#include "music/qtmusicpanel.h"
#include "subdisplay/qtsubdisplay.h"
#include "settingsdialog/qtsettingsdialog.h"
#include "remote/qtremotedialog.h"
#include "tray/qtaboutdialog.h"
#include "tray/traywindow.h"
#include "windows/qt/artwork.h"
#include "windows/qt/widgetwindow.h"
#include "windows/windownames.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>

namespace qc {

namespace {

// The program's own help pages; the display window's banners open them.
BannerPages helpPages(FileExistence& existence)
{
    const QString folder = sharedDataFolder(QCoreApplication::applicationDirPath(),
                                            [&](const QString& path) { return existence.fileExists(path); })
                           + QStringLiteral("help/");
    return {folder + QStringLiteral("scripts.html"), folder + QStringLiteral("preview.html")};
}

} // namespace

Application::Application(QStringList arguments, std::optional<RemoteAsk> remote)
    : arguments_(std::move(arguments)),
      tray_(quillcastIcon()),
      lifecycle_({values_, settings_, settingsFile_, script_, windows_, firstRun_, taskTimers_},
                 {singleInstance_, messages_, osVersion_, existence_, [this] { endProgram(); }}),
      displayHost_({[this] { registry_.ensureLoaded(windowname::kDisplay); }, [this] { windows_.restoreController(); }}),
      presentation_({script_, settings_, timers_, screen_, fonts_, existence_, pictures_, clipboard_, mediaDevice_,
                     waveSound_, displayHost_, displayHost_, windows_, windows_, windows_, windows_, windows_}),
      remoteAsk_(std::move(remote))
{
    presentation_.subscribe(remoteState_);
    registerWindows();
    tray_.setMessageHandler([this](int message) { trayMessages_.onMessage(message); });
    tray_.setMenuHandler([this](TrayMenuEntry entry) { trayMessages_.onMenu(entry); });
}

Application::~Application()
{
    remoteServer_.stop();
    presentation_.unsubscribe(remoteState_);
    // The program has ended: windows still open go without running their closing handlers.
    registry_.abandonAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Application::endProgram()
{
    QCoreApplication::exit(0);
}

// A window that is loaded with its load handler run, whose close box unloads it by name,
// and whose closing runs its two closing handlers.
template <typename Widget>
std::unique_ptr<Window> Application::manage(Widget* widget, const QString& name)
{
    widget->setCloseBoxHandler([this, name] { registry_.unloadByName(name); });
    widget->logic().onLoad();
    return std::make_unique<WidgetWindow>(widget, screen_, [widget] {
        widget->logic().onQueryUnload();
        widget->logic().onUnload();
    });
}

void Application::startUp(bool splashMinimised)
{
    const QString folder = currentProgramFolder([this](const QString& path) { return existence_.fileExists(path); });
    lifecycle_.initialize(folder, arguments_.join(u' '), QDir::currentPath(), splashMinimised);
    // Not when another copy runs: this one is ending.
    if (!values_.programFolder.isEmpty())
        remoteControl_.start(values_.programFolder + kRemoteSettingsFileName, remoteAsk_);
}

void Application::registerWindows()
{
    loader_.add(windowname::kSplash, [this] {
        auto* splash = new QtSplash(screen_, timers_,
                                    {[this] { endProgram(); }, [this] { registry_.unloadByName(windowname::kSplash); },
                                     [this](bool minimised) { startUp(minimised); }});
        splash->logic().onLoad();
        return std::make_unique<WidgetWindow>(splash, screen_, [] {});
    });

    loader_.add(windowname::kMain, [this] {
        return manage(new QtMainWindow(screen_, {settings_, script_, windows_, flags_, voice_},
                                       {dialogs_, screen_, [this] { lifecycle_.shutdown(); }}),
                      windowname::kMain);
    });

    loader_.add(windowname::kAboutDialog, [this] {
        return manage(new QtAboutDialog(screen_, windows_, flags_), windowname::kAboutDialog);
    });

    loader_.add(windowname::kSettingsDialog, [this] {
        // The remote control's dialog opens over the settings dialog, which stays as it is.
        const auto openRemote = [this] {
            QtRemoteDialog remote(remoteControl_, QApplication::activeWindow());
            remote.exec();
        };
        return manage(new QtSettingsDialog(screen_, {settings_, windows_, flags_, taskTimers_},
                                           {dialogs_, existence_, screen_}, openRemote),
                      windowname::kSettingsDialog);
    });

    for (const auto kind : {ControllerKind::Full, ControllerKind::Simple}) {
        const QString name = kind == ControllerKind::Full ? windowname::kController : windowname::kSimpleController;
        loader_.add(name, [this, kind, name] {
            return manage(new QtController(kind, screen_, {settings_, presentation_.engine(), windows_, flags_}), name);
        });
    }

    loader_.add(windowname::kDisplay, [this] {
        return manage(new QtDisplayWindow(screen_,
                                          {settings_, script_, windows_, presentation_.displayCommands(),
                                           presentation_.engine(), presentation_.clipboard(), displayHost_, flags_},
                                          {shell_, screen_, helpPages(existence_)}),
                      windowname::kDisplay);
    });

    for (int id = 0; id < kSubDisplayCount; ++id) {
        const QString name = windowname::subDisplay(id);
        loader_.add(name, [this, id, name] {
            SubDisplayCommands& commands = presentation_.subDisplayCommands();
            return manage(new QtSubDisplay(id, screen_,
                                           {id, settings_, windows_, flags_, commands.request(id), commands.applied(id),
                                            presentation_.subDisplays()}),
                          name);
        });
    }

    loader_.add(windowname::kMusicPanel, [this] {
        MusicCommands& commands = presentation_.musicCommands();
        return manage(new QtMusicPanel(screen_,
                                       {commands.records(), commands.staging(), presentation_.musicEngine(), windows_,
                                        flags_, presentation_.musicPanel()},
                                       timers_),
                      windowname::kMusicPanel);
    });

    loader_.add(windowname::kMusicEngine,
                [this] { return std::make_unique<MusicEngineWindow>(presentation_.musicEngine()); });
    loader_.add(windowname::kTimerWindow, [] { return std::make_unique<FacelessWindow>(); });
    loader_.add(windowname::kTrayWindow, [this] { return std::make_unique<TrayWindow>(trayIcon_); });
}

int Application::run()
{
    registry_.ensureLoaded(windowname::kSplash)->show();
    return QCoreApplication::exec();
}

} // namespace qc
