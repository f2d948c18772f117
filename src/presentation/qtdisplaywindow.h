#pragma once

#include "presentation/displaywindowlogic.h"
#include "windows/qt/operatorwindow.h"
#include "windows/qt/widgetwindow.h"

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace qc {

// frmMi02: the window the broadcasting software captures. It shows; DisplayWindowLogic rules.
class QtDisplayWindow : public QtOperatorWindow, public DisplayWindowView {
public:
    QtDisplayWindow(const Screen& screen, DisplayWindowLogic::Parts parts, DisplayWindowLogic::Services services);

    DisplayWindowLogic& logic() { return logic_; }

    WindowRect rect() override;
    void moveTo(int left, int top) override;
    void resizeTo(int width, int height) override;
    void setFontName(const QString& name) override;
    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void setItalic(bool italic) override;
    void setForeColor(const QString& rgb) override;
    void setBackColor(const QString& rgb) override;
    void setCaption(const QString& caption) override;
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;
    void hideWindow() override;
    void setText(const QString& text) override;
    QString text() const override;
    void placeTextBox(const WindowRect& rect) override;
    void showBanners(int top) override;
    void hideBanners() override;
    void placeCursorBox(int left, int top) override;
    void clearCursorBox() override;
    void focusCursorBox() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void windowResized() override { logic_.onResize(); }
    void windowClicked() override { logic_.onClick(); }
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void setTextColour(QPalette::ColorRole role, const QString& rgb);

    const Screen& screen_;
    DisplayWindowLogic logic_;
    OuterSizer sizer_;
    QPlainTextEdit* text_ = nullptr;
    QLineEdit* cursorBox_ = nullptr;
    std::array<QLabel*, 3> banners_{};
};

} // namespace qc
