#pragma once

#include "platform/screen.h"

namespace qc::test {

// A screen of a chosen size; 15360 x 11520 twips (1024 x 768 pixels at 96 DPI) unless set.
class FakeScreen : public Screen {
public:
    FakeScreen(int widthTwips = 15360, int heightTwips = 11520)
        : width_(widthTwips), height_(heightTwips)
    {
    }
    int widthTwips() const override { return width_; }
    int heightTwips() const override { return height_; }
    double twipsPerPixel() const override { return 15.0; }
    bool placesWork() const override { return placesWorkHere; }
    bool placesWorkHere = true;
    void resize(int widthTwips, int heightTwips)
    {
        width_ = widthTwips;
        height_ = heightTwips;
    }

private:
    int width_;
    int height_;
};

} // namespace qc::test
