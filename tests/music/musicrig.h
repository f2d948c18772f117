#pragma once

#include "music/musicpanellogic.h"

#include "doubles/fakemusicpanel.h"
#include "doubles/presentationrig.h"
#include "doubles/recordingstepports.h"

#include <memory>
#include <vector>

namespace qc::test {

// The presentation with a music panel that loads through the window manager as the program's
// does (the real panel logic over a fake view), the music engine loaded as at start-up, and
// music files in the script's folder /show.
struct MusicRig : PresentationRig {
    explicit MusicRig(const QStringList& scriptLines) : PresentationRig(scriptLines)
    {
        for (const char* path : {"/show/bgm/a.mp3", "/show/bgm/b.ogg", "/show/c.mid", "/show/theme.MID", "/show/fx/ding.wav",
                                 "/show/fx/chime.wav", "/show/notes.txt"})
            files.put(QString::fromUtf8(path), {"x"});
        for (const char* alias : {"qcMusicCh0", "qcMusicCh1"}) {
            media.answers[QStringLiteral("Status %1 volume").arg(QLatin1String(alias))] = "500";
            media.answers[QStringLiteral("Status %1 length").arg(QLatin1String(alias))] = "60000";
            media.answers[QStringLiteral("Status %1 position").arg(QLatin1String(alias))] = "0";
            media.answers[QStringLiteral("Status %1 mode").arg(QLatin1String(alias))] = "playing";
        }
        const QString name = FakeMusicPanelView::name();
        loader.onLoad[name] = [this] {
            auto window = std::make_unique<Panel>(loader);
            MusicCommands& commands = presentation.musicCommands();
            window->logic = std::make_unique<MusicPanelLogic>(
                window->view,
                MusicPanelLogic::Parts{commands.records(), commands.staging(), musicEngine(), windows, flags,
                                       presentation.musicPanel()},
                timers);
            window->logic->onLoad();
            panel_ = std::move(window);
        };
        loader.onClose[name] = [this] {
            if (!panel_)
                return;
            panel_->logic->onQueryUnload();
            panel_->logic->onUnload();
            // Kept until the rig ends: the handler that closed it may still be running.
            closed_.push_back(std::move(panel_));
        };
        musicEngine().load();
        media.commands.clear();
        engine.startRun(controller);
    }

    struct Panel {
        explicit Panel(FakeWindowLoader& loader) : view(loader) {}
        FakeMusicPanelView view;
        std::unique_ptr<MusicPanelLogic> logic;
    };

    MusicEngine& musicEngine() { return presentation.musicEngine(); }
    const MusicRecords& records() { return presentation.musicCommands().records(); }
    // The panel's view and logic; nullptr while it is not loaded.
    FakeMusicPanelView* view() { return panel_ ? &panel_->view : nullptr; }
    MusicPanelLogic* panel() { return panel_ ? panel_->logic.get() : nullptr; }
    bool panelVisible() const { return loader.visible.contains(FakeMusicPanelView::name()); }
    int panelState() const { return windows.panelShowState(); }
    const MusicChannelState& channelState(int channel) { return musicEngine().channelState(channel); }
    QStringList takeCommands() { return std::exchange(media.commands, {}); }

    QStringList stepLog;
    RecordingController controller{stepLog, true};

private:
    std::unique_ptr<Panel> panel_;
    std::vector<std::unique_ptr<Panel>> closed_;
};

} // namespace qc::test
