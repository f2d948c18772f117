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

// The whole presentation with every window a script drives: the sub display windows and the
// music panel load through the window manager as the program's do (the real window logic over
// fake views), the music engine over the recording media device. The script's folder /show
// holds a few pictures and sound files for the commands to find. A run is started.
struct ShowRig : PresentationRig {
    explicit ShowRig(const QStringList& scriptLines) : PresentationRig(scriptLines)
    {
        for (const char* path : {"/show/pictures/quillcast.png", "/show/cat.png", "/show/wide.jpg"}) {
            files.put(QString::fromUtf8(path), {"picture"});
            pictureFiles.insert(QString::fromUtf8(path), {3000, 1500});
        }
        for (const char* path : {"/show/music/theme.mid", "/show/music/chime.wav", "/show/bgm/a.mp3",
                                 "/show/bgm/b.ogg", "/show/c.mid"})
            files.put(QString::fromUtf8(path), {"x"});
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
    FakeMusicPanelView* panelView() { return panel ? &panel->view : nullptr; }

    QHash<QString, TwipSize> pictureFiles;
    QStringList stepLog;
    RecordingController controller{stepLog, true};
    std::map<int, std::unique_ptr<SubWindow>> subWindows;
    std::unique_ptr<Panel> panel;
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
            panel = std::move(window);
        };
        loader.onClose[name] = [this] {
            if (!panel)
                return;
            panel->logic->onQueryUnload();
            panel->logic->onUnload();
            closedPanels.push_back(std::move(panel));
        };
    }
};

} // namespace qc::test
