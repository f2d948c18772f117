#pragma once

#include "settings/settingsfile.h"

namespace qc::test {

// Operator windows of fixed design sizes; remembers how it was asked to size the display.
class FakeFirstRunWindows : public FirstRunWindows {
public:
    OperatorWindowSizes measure(int displayWidth, int displayHeight) override
    {
        ++measured;
        OperatorWindowSizes sizes = designSizes;
        sizes.displayWidth = displayWidth;
        sizes.displayHeight = displayHeight;
        return sizes;
    }

    OperatorWindowSizes designSizes{5280, 3135, 4000, 2000, 0, 0, 7000, 6000};
    int measured = 0;
};

} // namespace qc::test
