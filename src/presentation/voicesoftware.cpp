#include "presentation/voicesoftware.h"

#include "platform/messagebox.h"
#include "platform/shellopen.h"
#include "script/script.h"
#include "settings/settings.h"

namespace qc {

VoiceSoftware::VoiceSoftware(ShellOpen& shell, MessageBox& messages, const Settings& settings)
    : shell_(shell), messages_(messages), settings_(settings)
{
}

bool VoiceSoftware::startOrTell()
{
    const QString& path = settings_.text(SettingKey::ShowTxtVoiceSoft);
    if (path.isEmpty()) {
        messages_.show(kNoVoiceSoftwareMessage, kShortProgramName);
        return false;
    }
    shell_.open(path);
    started_ = true;
    return true;
}

void VoiceSoftware::startOnShow()
{
    if (settings_.integer(SettingKey::ShowTxtVoiceSoftAuto) <= 0)
        return;
    if (!started_ || settings_.text(SettingKey::ShowTxtVoiceSoft).isEmpty())
        startOrTell();
}

void VoiceSoftware::startFromButton()
{
    startOrTell();
}

} // namespace qc
