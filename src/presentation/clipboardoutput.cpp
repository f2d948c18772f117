#include "presentation/clipboardoutput.h"

#include "platform/clipboard.h"
#include "settings/settings.h"

namespace qc {

ClipboardOutput::ClipboardOutput(Clipboard& clipboard, const Settings& settings)
    : clipboard_(clipboard), settings_(settings)
{
}

void ClipboardOutput::putClipboard(const QString& text)
{
    if (text.isEmpty())
        return;
    if (settings_.integer(SettingKey::ClipClear) > 0)
        clipboard_.clear();
    clipboard_.putText(text);
}

} // namespace qc
