#pragma once

#include <QLatin1String>
#include <QStringView>

#include <array>

namespace qc {

// The parameter keys of the three attribute commands. The slot of a key (its position from 1)
// is also the slot of its value in the command's staging table.

inline constexpr std::array<QLatin1String, 13> kDisplayKeyNames{
    QLatin1String("fontname"), QLatin1String("fontsize"), QLatin1String("bold"),
    QLatin1String("italic"),   QLatin1String("forecolor"), QLatin1String("backcolor"),
    QLatin1String("left"),     QLatin1String("top"),      QLatin1String("width"),
    QLatin1String("height"),   QLatin1String("clip"),     QLatin1String("title"),
    QLatin1String("shelter"),
};

inline constexpr std::array<QLatin1String, 23> kSubKeyNames{
    QLatin1String("id"),           QLatin1String("show"),        QLatin1String("picfilename"),
    QLatin1String("left"),         QLatin1String("top"),         QLatin1String("width"),
    QLatin1String("height"),       QLatin1String("backcolor"),   QLatin1String("text"),
    QLatin1String("caption"),      QLatin1String("forecolor"),   QLatin1String("capforecolor"),
    QLatin1String("fontsize"),     QLatin1String("capfontsize"), QLatin1String("fontname"),
    QLatin1String("capfontname"),  QLatin1String("bold"),        QLatin1String("capbold"),
    QLatin1String("italic"),       QLatin1String("capitalic"),   QLatin1String("title"),
    QLatin1String("picpercent"),   QLatin1String("picreverse"),
};

inline constexpr std::array<QLatin1String, 13> kMusicKeyNames{
    QLatin1String("channel"),      QLatin1String("show"),       QLatin1String("soundfilename"),
    QLatin1String("soundplay"),    QLatin1String("left"),       QLatin1String("top"),
    QLatin1String("musicfilename"), QLatin1String("musicplay"), QLatin1String("musictop"),
    QLatin1String("musicrepeat"),  QLatin1String("musicvolume"), QLatin1String("musicposition"),
    QLatin1String("title"),
};

// The 1-based slot of a lower-case key in a key-name table; 0 when it is not there.
template <std::size_t N>
int keySlot(const std::array<QLatin1String, N>& names, QStringView key)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (key == names[i])
            return int(i) + 1;
    }
    return 0;
}

} // namespace qc
