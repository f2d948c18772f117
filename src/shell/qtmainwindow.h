#pragma once

#include "shell/mainwindowlogic.h"
#include "windows/qt/placedwindow.h"

#include <map>

class QLabel;
class QPushButton;

namespace qc {

class Screen;

// frmMi00: the window the operator sees first. It only shows and forwards; its rules are
// MainWindowLogic's.
class QtMainWindow : public QtFixedWindow<MainWindowView> {
public:
    QtMainWindow(const Screen& screen, MainWindowLogic::Parts parts, MainWindowLogic::Services services);

    MainWindowLogic& logic() { return logic_; }

    void showScriptTotals(int lineCount, const QString& fileName) override;
    void focusButton(MainButton button) override;

protected:
    void windowResized() override { logic_.onResize(); }
    void windowClicked() override { logic_.onBackgroundClick(); }
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QPushButton* addButton(MainButton button, const QString& caption, QRect twips);
    QLabel* addLabel(const char* name, const QString& text, QRect twips);

    MainWindowLogic logic_;
    std::map<MainButton, QPushButton*> buttons_;
    QLabel* totalLabel_ = nullptr;
    QLabel* fileLabel_ = nullptr;
};

} // namespace qc
