#pragma once

#include "doubles/scriptwindowsrig.h"

namespace qc::test {

// The whole presentation with every window a script drives, and a script folder /show that
// holds a few pictures and sound files for the commands to find.
struct ShowRig : ScriptWindowsRig {
    explicit ShowRig(const QStringList& scriptLines) : ScriptWindowsRig(scriptLines)
    {
        for (const char* path : {"/show/pictures/quillcast.png", "/show/cat.png", "/show/wide.jpg"}) {
            files.put(QString::fromUtf8(path), {"picture"});
            pictureFiles.insert(QString::fromUtf8(path), {3000, 1500});
        }
        for (const char* path : {"/show/music/theme.mid", "/show/music/chime.wav", "/show/bgm/a.mp3",
                                 "/show/bgm/b.ogg", "/show/c.mid"})
            files.put(QString::fromUtf8(path), {"x"});
    }
};

} // namespace qc::test
