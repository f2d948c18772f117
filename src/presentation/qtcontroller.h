#pragma once

#include "presentation/controllerlogic.h"
#include "windows/qt/placedwindow.h"

#include <functional>
#include <map>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qc {

// frmMi01 and the simple frmMi01a: the operator's controller. It shows; ControllerLogic rules.
class QtController : public QtFixedWindow<ControllerView> {
public:
    QtController(ControllerKind kind, const Screen& screen, ControllerLogic::Parts parts);

    ControllerLogic& logic() { return logic_; }

    void showPointer(int pointer) override;
    void showTotal(int lineCount) override;
    QString jumpText() const override;
    void clearJump() override;
    void setClipChecked(bool checked) override;
    void focusButton(ControllerButton button) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void windowResized() override { logic_.onResize(); }
    void windowClicked() override { logic_.onBackgroundClick(); }

private:
    void buildFull();
    void buildSimple();
    QPushButton* addButton(ControllerButton button, const char* name, const QString& caption, QRect twips);
    QLabel* addLabel(const char* name, const QString& text, QRect twips, bool bringsAllIntoView);

    ControllerLogic logic_;
    std::map<ControllerButton, QPushButton*> buttons_;
    std::map<QObject*, bool> clickableLabels_;
    QLabel* pointer_ = nullptr;
    QLabel* total_ = nullptr;
    QLineEdit* jump_ = nullptr;
    QCheckBox* clip_ = nullptr;
    QPixmap tile_;
};

} // namespace qc
