#pragma once

#include "subdisplay/subdisplaylogic.h"
#include "windows/qt/operatorwindow.h"
#include "windows/qt/widgetwindow.h"

#include <QColor>
#include <QImage>

#include <optional>

class QLabel;

namespace qc {

class SubPictureArea;

// frmSb00 ... frmSb04: an extra window beside the display window showing a picture, a free
// text and a caption. It shows; SubDisplayLogic rules.
class QtSubDisplay : public QtOperatorWindow, public SubDisplayView {
public:
    QtSubDisplay(int id, const Screen& screen, SubDisplayLogic::Parts parts);

    SubDisplayLogic& logic() { return logic_; }

    WindowRect rect() const override;
    void moveTo(int left, int top) override;
    void resizeTo(int width, int height) override;
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;
    void hideWindow() override;
    void setTitle(const QString& title) override;
    void setBackColor(const QString& rgb) override;

    WindowRect pictureArea() const override;
    void placePictureArea(const WindowRect& rect) override;
    void setPictureAreaVisible(bool visible) override;
    void drawPicture(TwipSize size, bool mirrored) override;
    void clearPictureArea() override;

    bool loadPicture(const QString& path) override;
    LoadedPicture loadedPicture() const override;

    void setLabelText(SubLabel label, const QString& text) override;
    void setLabelFont(SubLabel label, const LabelFont& font) override;
    void setLabelColor(SubLabel label, const QString& rgb) override;
    TwipSize labelSize(SubLabel label) const override;
    void placeLabel(SubLabel label, int left, int top) override;
    void setLabelVisible(SubLabel label, bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void windowResized() override { logic_.onResize(); }
    void windowClicked() override { logic_.onClick(); }
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QLabel* label(SubLabel which) const;
    void emptyLoader();

    const Screen& screen_;
    SubDisplayLogic logic_;
    OuterSizer sizer_;
    QLabel* text_ = nullptr;
    QLabel* caption_ = nullptr;
    SubPictureArea* picture_ = nullptr;
    // Where the picture area was last placed, in twips: read back as given while it stands
    // there, as pixels would round the twips placed.
    std::optional<WindowRect> placedArea_;
    // Likewise the window's outer place and size.
    std::optional<WindowRect> placed_;
    QWidget* loader_ = nullptr;
    QImage loaded_;
    LoadedPicture loadedSizes_;
};

} // namespace qc
