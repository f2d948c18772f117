#pragma once

#include "platform/screen.h"

namespace qc {

// The primary screen as the window system reports it.
class QtScreen : public Screen {
public:
    int widthTwips() const override;
    int heightTwips() const override;
    double twipsPerPixel() const override;
    bool placesWork() const override;
};

} // namespace qc
