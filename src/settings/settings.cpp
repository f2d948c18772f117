#include "settings/settings.h"

namespace qc {

namespace {

const std::array<QLatin1String, kSettingCount> kSettingNames{{
    QLatin1String("Win00State"),
    QLatin1String("Win00Left"),
    QLatin1String("Win00Top"),
    QLatin1String("Win01State"),
    QLatin1String("Win01Left"),
    QLatin1String("Win01Top"),
    QLatin1String("Win02State"),
    QLatin1String("Win02Left"),
    QLatin1String("Win02Top"),
    QLatin1String("Win02Width"),
    QLatin1String("Win02Height"),
    QLatin1String("Win03State"),
    QLatin1String("Win03Left"),
    QLatin1String("Win03Top"),
    QLatin1String("WinTuneAddWidth"),
    QLatin1String("WinTuneAddHeight"),
    QLatin1String("TaskUse"),
    QLatin1String("TaskRefresh"),
    QLatin1String("ClipClear"),
    QLatin1String("InitDir"),
    QLatin1String("ShowTxtFName"),
    QLatin1String("ShowTxtFSize"),
    QLatin1String("ShowTxtFBold"),
    QLatin1String("ShowTxtFItalic"),
    QLatin1String("ShowTxtFColor"),
    QLatin1String("ShowTxtBColor"),
    QLatin1String("ShowTxtBreak"),
    QLatin1String("ShowTxtQcTxt"),
    QLatin1String("ShowTxtClip"),
    QLatin1String("ShowTxtSimpleUse"),
    QLatin1String("ShowTxtClipSpace"),
    QLatin1String("ShowTxtCmShow"),
    QLatin1String("ShowTxtVoiceSoft"),
    QLatin1String("ShowTxtVoiceSoftAuto"),
}};

} // namespace

QLatin1String settingName(SettingKey key)
{
    return kSettingNames[static_cast<std::size_t>(key)];
}

std::optional<SettingKey> settingKeyOfName(QStringView name)
{
    for (int i = 0; i < kSettingCount; ++i) {
        if (name == kSettingNames[std::size_t(i)])
            return settingKeyAt(i);
    }
    return std::nullopt;
}

} // namespace qc
