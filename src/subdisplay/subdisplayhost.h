#pragma once

#include "windows/windownames.h"

#include <array>

namespace qc {

class SubDisplayLogic;

// The sub display windows that are loaded, by id: each attaches itself when it loads and
// leaves when it unloads, so the commands reach only live windows.
class SubDisplayHost {
public:
    void attach(SubDisplayLogic& window, int id) { windows_[index(id)] = &window; }
    void detach(int id) { windows_[index(id)] = nullptr; }
    SubDisplayLogic* window(int id) const { return windows_[index(id)]; }

private:
    static std::size_t index(int id) { return (id >= 0 && id < kSubDisplayCount) ? std::size_t(id) : 0; }

    std::array<SubDisplayLogic*, kSubDisplayCount> windows_{};
};

} // namespace qc
