#pragma once

#include "subdisplay/subdisplaylogic.h"

#include "doubles/fakesubdisplay.h"
#include "doubles/presentationrig.h"
#include "doubles/recordingstepports.h"

#include <map>
#include <memory>
#include <vector>

namespace qc::test {

// The presentation with sub display windows that load through the window manager as the
// program's do: each is the real window logic over a fake view.
struct SubDisplayRig : PresentationRig {
    explicit SubDisplayRig(const QStringList& scriptLines) : PresentationRig(scriptLines)
    {
        for (int id = 0; id < kSubDisplayCount; ++id) {
            const QString name = windowname::subDisplay(id);
            loader.onLoad[name] = [this, id, name] {
                auto window = std::make_unique<Window>(loader, name, pictureFiles);
                window->logic = std::make_unique<SubDisplayLogic>(
                    window->view,
                    SubDisplayLogic::Parts{id, settings, windows, flags,
                                           presentation.subDisplayCommands().request(id),
                                           presentation.subDisplayCommands().applied(id), presentation.subDisplays()},
                    screen);
                window->logic->onLoad();
                windowsById[id] = std::move(window);
            };
            loader.onClose[name] = [this, id] {
                auto it = windowsById.find(id);
                if (it == windowsById.end())
                    return;
                it->second->logic->onQueryUnload();
                it->second->logic->onUnload();
                // Kept until the rig ends: the handler that closed it may still be running.
                closed.push_back(std::move(it->second));
                windowsById.erase(it);
            };
        }
        engine.startRun(controller);
    }

    struct Window {
        Window(FakeWindowLoader& loader, const QString& name, const QHash<QString, TwipSize>& pictures)
            : view(loader, name, pictures)
        {
        }
        FakeSubDisplayView view;
        std::unique_ptr<SubDisplayLogic> logic;
    };

    // The view of a loaded sub display; nullptr when it is not loaded.
    FakeSubDisplayView* view(int id)
    {
        const auto it = windowsById.find(id);
        return it == windowsById.end() ? nullptr : &it->second->view;
    }
    SubDisplayLogic* logic(int id)
    {
        const auto it = windowsById.find(id);
        return it == windowsById.end() ? nullptr : it->second->logic.get();
    }
    const SubApplied& applied(int id) { return presentation.subDisplayCommands().applied(id); }

    QHash<QString, TwipSize> pictureFiles;
    QStringList stepLog;
    RecordingController controller{stepLog, true};
    std::map<int, std::unique_ptr<Window>> windowsById;
    std::vector<std::unique_ptr<Window>> closed;
};

} // namespace qc::test
