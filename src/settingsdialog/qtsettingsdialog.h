#pragma once

#include "settingsdialog/settingsdialoglogic.h"
#include "windows/qt/placedwindow.h"

#include <functional>
#include <map>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qc {

// frmMi03, the settings dialog. It shows; SettingsDialogLogic rules. Given `openRemote`, a
// button below the voice software's opens the remote control's own dialog.
class QtSettingsDialog : public QtFixedWindow<SettingsDialogView> {
public:
    QtSettingsDialog(const Screen& screen, SettingsDialogLogic::Parts parts, SettingsDialogLogic::Services services,
                     std::function<void()> openRemote = {});

    SettingsDialogLogic& logic() { return logic_; }

    QString text(SettingsText field) const override;
    void setText(SettingsText field, const QString& text) override;
    bool isChecked(SettingsSwitch box) const override;
    void setChecked(SettingsSwitch box, bool checked) override;
    void showSwatch(SettingsSwatch swatch, const QString& rgb) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void windowResized() override { logic_.onResize(); }
    void windowClicked() override { logic_.onBackgroundClick(); }

private:
    QLabel* addLabel(const char* name, const QString& caption, QRect twips, bool filled = false);
    QPushButton* addButton(const char* name, const QString& caption, QRect twips);
    QLineEdit* addTextBox(SettingsText field, const char* name, QRect twips);
    QFrame* addSwatch(SettingsSwatch swatch, const char* name, QRect twips);
    void addSwitch(SettingsSwitch box, const char* name, int top, const char* labelName, const QString& caption);
    // Enter in a text box or the line limit moves the focus on, so the box's check runs.
    bool leaveBoxOnEnter();

    SettingsDialogLogic logic_;
    std::map<SettingsText, QLabel*> labels_;
    std::map<SettingsText, QLineEdit*> textBoxes_;
    std::map<QObject*, SettingsText> checkedBoxes_;
    std::map<SettingsSwitch, QCheckBox*> switches_;
    std::map<SettingsSwatch, QFrame*> swatches_;
    QComboBox* breakBox_ = nullptr;
};

} // namespace qc
