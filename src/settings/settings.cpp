#include "settings/settings.h"

namespace qc {

namespace {

struct SettingInfo {
    QLatin1String name;
    bool isInteger;
};

const std::array<SettingInfo, kSettingCount> kSettingInfo{{
    {QLatin1String("Win00State"), false},
    {QLatin1String("Win00Left"), false},
    {QLatin1String("Win00Top"), false},
    {QLatin1String("Win01State"), false},
    {QLatin1String("Win01Left"), false},
    {QLatin1String("Win01Top"), false},
    {QLatin1String("Win02State"), false},
    {QLatin1String("Win02Left"), false},
    {QLatin1String("Win02Top"), false},
    {QLatin1String("Win02Width"), false},
    {QLatin1String("Win02Height"), false},
    {QLatin1String("Win03State"), false},
    {QLatin1String("Win03Left"), false},
    {QLatin1String("Win03Top"), false},
    {QLatin1String("WinTuneAddWidth"), false},
    {QLatin1String("WinTuneAddHeight"), false},
    {QLatin1String("TaskUse"), true},
    {QLatin1String("TaskRefresh"), true},
    {QLatin1String("ClipClear"), true},
    {QLatin1String("InitDir"), false},
    {QLatin1String("ShowTxtFName"), false},
    {QLatin1String("ShowTxtFSize"), true},
    {QLatin1String("ShowTxtFBold"), true},
    {QLatin1String("ShowTxtFItalic"), true},
    {QLatin1String("ShowTxtFColor"), false},
    {QLatin1String("ShowTxtBColor"), false},
    {QLatin1String("ShowTxtBreak"), true},
    {QLatin1String("ShowTxtQcTxt"), true},
    {QLatin1String("ShowTxtClip"), true},
    {QLatin1String("ShowTxtSimpleUse"), true},
    {QLatin1String("ShowTxtClipSpace"), false},
    {QLatin1String("ShowTxtCmShow"), true},
    {QLatin1String("ShowTxtVoiceSoft"), false},
    {QLatin1String("ShowTxtVoiceSoftAuto"), true},
}};

} // namespace

QLatin1String settingName(SettingKey key)
{
    return kSettingInfo[static_cast<std::size_t>(key)].name;
}

std::optional<SettingKey> settingKeyOfName(QStringView name)
{
    for (int i = 0; i < kSettingCount; ++i) {
        if (name == kSettingInfo[std::size_t(i)].name)
            return settingKeyAt(i);
    }
    return std::nullopt;
}

bool isIntegerSetting(SettingKey key)
{
    return kSettingInfo[static_cast<std::size_t>(key)].isInteger;
}

} // namespace qc
