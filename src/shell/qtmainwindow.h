#pragma once

#include "shell/mainwindowlogic.h"

#include <QWidget>

#include <map>

class QLabel;
class QPushButton;

namespace qc {

class Screen;

// frmMi00: the window the operator sees first. It only shows and forwards; its rules are
// MainWindowLogic's.
class QtMainWindow : public QWidget, public MainWindowView {
public:
    QtMainWindow(const Screen& screen, MainWindowLogic::Parts parts, MainWindowLogic::Services services);

    MainWindowLogic& logic() { return logic_; }
    // The close box unloads the window by name, through the caller.
    void setCloseBoxHandler(std::function<void()> handler) { closeBox_ = std::move(handler); }

    WindowRect rect() const override;
    void moveTo(int left, int top) override;
    void keepFixedSize() override;
    WindowState windowState() const override;
    void setWindowState(WindowState state) override;
    void showWindow() override;
    void hideWindow() override;
    void showScriptTotals(int lineCount, const QString& fileName) override;
    void focusButton(MainButton button) override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QPushButton* addButton(MainButton button, const QString& caption, QRect twips);
    QLabel* addLabel(const QString& text, QRect twips);

    const Screen& screen_;
    MainWindowLogic logic_;
    std::map<MainButton, QPushButton*> buttons_;
    QLabel* totalLabel_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QSize fixedClientSize_;
    std::function<void()> closeBox_;
};

} // namespace qc
