#pragma once

#include <QString>

#include <array>

namespace qc {

// Values staged by a step's command lines, applied after the whole step has been gathered.
// Values are texts as written; "" means not given and "reset" means back to the default.
// Slot numbers are the key-name tables' (from 1; slot 0 is unused unless said otherwise).

struct DisplayStaging {
    std::array<QString, 14> values;  // slots 1..13
    QString anyKeySet;               // "1" when a checked value waits to be applied
    bool pending = false;            // the step met a display command
    bool geometryTouched = false;    // a staged left, top, width or height
};

inline constexpr int kSubDisplayCount = 5;

struct SubStaging {
    std::array<QString, 24> keyValues;  // slots 1..23, working area of one command line
    // Per sub display: slot 0 the request flag, slots 2..23 the staged values.
    std::array<std::array<QString, 24>, kSubDisplayCount> requests;
    bool pending = false;
};

struct MusicStaging {
    std::array<QString, 14> values;  // slots 1..13
    QString anyKeySet;
    bool pending = false;
};

struct CommandStaging {
    DisplayStaging display;
    SubStaging sub;
    MusicStaging music;
};

} // namespace qc
