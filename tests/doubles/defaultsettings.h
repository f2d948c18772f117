#pragma once

#include "settings/settingsfile.h"

#include "doubles/fakefiles.h"
#include "doubles/fakefirstrunwindows.h"
#include "doubles/fakefontprobe.h"
#include "doubles/fakescreen.h"
#include "doubles/recordingmessagebox.h"

namespace qc::test {

// The settings of a first run, with the given "Key=value" overrides.
inline Settings defaultSettings(const QStringList& overrides = {})
{
    FakeFiles files;
    RecordingMessageBox messages;
    FakeScreen screen;
    FakeFontProbe fonts;
    FakeFirstRunWindows windows;
    Settings settings;
    SettingsFile(files, files, messages, screen, fonts)
        .read(settings, {QStringLiteral("/nowhere/QCST.INI"), QStringLiteral("/prog/"), QStringLiteral("6.001")},
              windows, overrides);
    return settings;
}

} // namespace qc::test
