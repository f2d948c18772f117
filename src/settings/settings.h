#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace qc {

// The settings, in the order the settings file lists them.
enum class SettingKey {
    Win00State,
    Win00Left,
    Win00Top,
    Win01State,
    Win01Left,
    Win01Top,
    Win02State,
    Win02Left,
    Win02Top,
    Win02Width,
    Win02Height,
    Win03State,
    Win03Left,
    Win03Top,
    WinTuneAddWidth,
    WinTuneAddHeight,
    TaskUse,
    TaskRefresh,
    ClipClear,
    InitDir,
    ShowTxtFName,
    ShowTxtFSize,
    ShowTxtFBold,
    ShowTxtFItalic,
    ShowTxtFColor,
    ShowTxtBColor,
    ShowTxtBreak,
    ShowTxtQcTxt,
    ShowTxtClip,
    ShowTxtSimpleUse,
    ShowTxtClipSpace,
    ShowTxtCmShow,
    ShowTxtVoiceSoft,
    ShowTxtVoiceSoftAuto,
};

inline constexpr int kSettingCount = 34;

// The settings file's name of a key ("Win00State", ...).
QLatin1String settingName(SettingKey key);
std::optional<SettingKey> settingKeyOfName(QStringView name);

inline SettingKey settingKeyAt(int index) { return static_cast<SettingKey>(index); }

// The one program-wide set of settings. Every setting has a text form, what the file holds;
// the integer settings also have an integer form, which is what the program reads and what
// is saved.
class Settings {
public:
    const QString& text(SettingKey key) const { return texts_[index(key)]; }
    void setText(SettingKey key, QString value) { texts_[index(key)] = std::move(value); }

    std::int16_t integer(SettingKey key) const { return integers_[index(key)]; }
    void setInteger(SettingKey key, std::int16_t value) { integers_[index(key)] = value; }

    // Frame allowances in twips: 210 and 600 plus the WinTune settings.
    std::int16_t winTuneWidth = 210;
    std::int16_t winTuneHeight = 600;

private:
    static std::size_t index(SettingKey key) { return static_cast<std::size_t>(key); }

    std::array<QString, kSettingCount> texts_;
    std::array<std::int16_t, kSettingCount> integers_{};
};

} // namespace qc
