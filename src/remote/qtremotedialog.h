#pragma once

#include "remote/remotesettings.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace qc {

class RemoteControl;

// The remote control's switch for the operator: on or off, this machine only or the local
// network too, the port, and the addresses to open (with a QR code for a phone). OK keeps the
// choice and puts it in force.
class QtRemoteDialog : public QDialog {
public:
    QtRemoteDialog(RemoteControl& control, QWidget* parent = nullptr);

    // The host a phone on the local network reaches this machine by.
    static QString networkHost();

private:
    RemoteSettings chosen() const;
    void refresh();

    RemoteControl& control_;
    QString token_;
    QCheckBox* on_ = nullptr;
    QRadioButton* local_ = nullptr;
    QRadioButton* network_ = nullptr;
    QSpinBox* port_ = nullptr;
    QLabel* controlUrl_ = nullptr;
    QLabel* overlayUrl_ = nullptr;
    QLabel* qrCode_ = nullptr;
};

} // namespace qc
