#pragma once

#include "music/musicpanellogic.h"
#include "subdisplay/subdisplaylogic.h"
#include "windows/windownames.h"

#include "doubles/fakemusicpanel.h"
#include "doubles/fakesubdisplay.h"
#include "doubles/presentationrig.h"
#include "doubles/recordingstepports.h"

#include <map>
#include <memory>
#include <vector>

namespace qc::test {

// The presentation with every window a script drives: the sub display windows and the music
// panel load through the window manager as the program's do (the real window logic over fake
// views), the music engine is loaded as at start-up over the recording media device, which
// answers as for a one-minute piece that plays. A run is started.
struct ScriptWindowsRig : PresentationRig {
    explicit ScriptWindowsRig(const QStringList& scriptLines) : PresentationRig(scriptLines)
    {
        for (const char* alias : {"qcMusicCh0", "qcMusicCh1"}) {
            media.answers[QStringLiteral("Status %1 volume").arg(QLatin1String(alias))] = "500";
            media.answers[QStringLiteral("Status %1 length").arg(QLatin1String(alias))] = "60000";
            media.answers[QStringLiteral("Status %1 position").arg(QLatin1String(alias))] = "0";
            media.answers[QStringLiteral("Status %1 mode").arg(QLatin1String(alias))] = "playing";
        }
        attachSubDisplays();
        attachMusicPanel();
        presentation.musicEngine().load();
        engine.startRun(controller);
    }

    struct SubWindow {
        SubWindow(FakeWindowLoader& loader, const QString& name, const QHash<QString, TwipSize>& pictures)
            : view(loader, name, pictures)
        {
        }
        FakeSubDisplayView view;
        std::unique_ptr<SubDisplayLogic> logic;
    };
    struct Panel {
        explicit Panel(FakeWindowLoader& loader) : view(loader) {}
        FakeMusicPanelView view;
        std::unique_ptr<MusicPanelLogic> logic;
    };

    // Loaded windows; nullptr when not loaded.
    FakeSubDisplayView* subView(int id)
    {
        const auto it = subWindows.find(id);
        return it == subWindows.end() ? nullptr : &it->second->view;
    }
    SubDisplayLogic* subLogic(int id)
    {
        const auto it = subWindows.find(id);
        return it == subWindows.end() ? nullptr : it->second->logic.get();
    }
    FakeMusicPanelView* panelView() { return loadedPanel ? &loadedPanel->view : nullptr; }
    MusicPanelLogic* panelLogic() { return loadedPanel ? loadedPanel->logic.get() : nullptr; }

    QHash<QString, TwipSize> pictureFiles;
    QStringList stepLog;
    RecordingController controller{stepLog, true};
    std::map<int, std::unique_ptr<SubWindow>> subWindows;
    std::unique_ptr<Panel> loadedPanel;
    // Closed windows are kept until the rig ends: the handler that closed one may still be
    // running.
    std::vector<std::unique_ptr<SubWindow>> closedSubWindows;
    std::vector<std::unique_ptr<Panel>> closedPanels;

private:
    void attachSubDisplays()
    {
        for (int id = 0; id < kSubDisplayCount; ++id) {
            const QString name = windowname::subDisplay(id);
            loader.onLoad[name] = [this, id, name] {
                auto window = std::make_unique<SubWindow>(loader, name, pictureFiles);
                window->logic = std::make_unique<SubDisplayLogic>(
                    window->view,
                    SubDisplayLogic::Parts{id, settings, windows, flags,
                                           presentation.subDisplayCommands().request(id),
                                           presentation.subDisplayCommands().applied(id), presentation.subDisplays()},
                    screen);
                window->logic->onLoad();
                subWindows[id] = std::move(window);
            };
            loader.onClose[name] = [this, id] {
                const auto it = subWindows.find(id);
                if (it == subWindows.end())
                    return;
                it->second->logic->onQueryUnload();
                it->second->logic->onUnload();
                closedSubWindows.push_back(std::move(it->second));
                subWindows.erase(it);
            };
        }
    }

    void attachMusicPanel()
    {
        const QString name = FakeMusicPanelView::name();
        loader.onLoad[name] = [this] {
            auto window = std::make_unique<Panel>(loader);
            MusicCommands& commands = presentation.musicCommands();
            window->logic = std::make_unique<MusicPanelLogic>(
                window->view,
                MusicPanelLogic::Parts{commands.records(), commands.staging(), presentation.musicEngine(), windows,
                                       flags, presentation.musicPanel()},
                timers);
            window->logic->onLoad();
            loadedPanel = std::move(window);
        };
        loader.onClose[name] = [this] {
            if (!loadedPanel)
                return;
            loadedPanel->logic->onQueryUnload();
            loadedPanel->logic->onUnload();
            closedPanels.push_back(std::move(loadedPanel));
        };
    }
};

} // namespace qc::test
