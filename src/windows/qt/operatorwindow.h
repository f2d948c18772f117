#pragma once

#include <QWidget>

#include <functional>

namespace qc {

// The Qt side every operator window shares: a change of state or size and a click on the
// window itself go to its handlers, and its close box never closes it behind the program's
// back: the handler given unloads it by name, so its closing handlers run in order.
class QtOperatorWindow : public QWidget {
public:
    void setCloseBoxHandler(std::function<void()> handler) { closeBox_ = std::move(handler); }

protected:
    // Minimised, maximised, restored or resized.
    virtual void windowResized() {}
    // A left click on the window, not on one of its controls.
    virtual void windowClicked() {}

    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> closeBox_;
};

} // namespace qc
