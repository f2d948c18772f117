#include "remote/qtremotedialog.h"

#include "remote/qrcode.h"
#include "remote/remotecontrol.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QHostInfo>
#include <QLabel>
#include <QNetworkInterface>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qc {

namespace {

const QString kEverywhere = QStringLiteral("0.0.0.0");

QLabel* addressLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

} // namespace

QString QtRemoteDialog::networkHost()
{
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (!address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol)
            return address.toString();
    }
    return QHostInfo::localHostName();
}

QtRemoteDialog::QtRemoteDialog(RemoteControl& control, QWidget* parent)
    : QDialog(parent),
      control_(control),
      // The addresses shown carry a token from the start, kept only with OK.
      token_(control.settings().token.isEmpty() ? newRemoteToken() : control.settings().token)
{
    setObjectName(QStringLiteral("frmRemote"));
    setWindowTitle(QStringLiteral("リモート操作 - Quillcast"));
    const RemoteSettings& settings = control.settings();

    on_ = new QCheckBox(QStringLiteral("リモート操作を使う"), this);
    on_->setObjectName(QStringLiteral("chkRemoteOn"));
    on_->setChecked(settings.on);
    local_ = new QRadioButton(QStringLiteral("このパソコンから（配信ソフトのブラウザソース）"), this);
    local_->setObjectName(QStringLiteral("optLocal"));
    network_ = new QRadioButton(QStringLiteral("同じネットワークのスマートフォンなどからも"), this);
    network_->setObjectName(QStringLiteral("optNetwork"));
    (isLoopback(settings.listen.address) ? local_ : network_)->setChecked(true);
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("spnPort"));
    port_->setRange(1024, 65535);
    port_->setValue(settings.listen.port);

    controlUrl_ = addressLabel(this, "lblControlUrl");
    overlayUrl_ = addressLabel(this, "lblOverlayUrl");
    qrCode_ = new QLabel(this);
    qrCode_->setObjectName(QStringLiteral("imgQrCode"));
    qrCode_->setAlignment(Qt::AlignCenter);

    auto* newToken = new QPushButton(QStringLiteral("新しいトークン"), this);
    newToken->setObjectName(QStringLiteral("cmdNewToken"));
    newToken->setToolTip(QStringLiteral("今までのアドレスを使えなくします"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("ポート："), port_);
    form->addRow(QStringLiteral("操作ページ："), controlUrl_);
    form->addRow(QStringLiteral("オーバーレイ："), overlayUrl_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(on_);
    layout->addWidget(local_);
    layout->addWidget(network_);
    layout->addLayout(form);
    layout->addWidget(qrCode_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(newToken);
    bottom->addStretch();
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    for (QAbstractButton* button : {static_cast<QAbstractButton*>(on_), static_cast<QAbstractButton*>(local_),
                                    static_cast<QAbstractButton*>(network_)})
        connect(button, &QAbstractButton::toggled, this, [this] { refresh(); });
    connect(port_, &QSpinBox::valueChanged, this, [this] { refresh(); });
    connect(newToken, &QPushButton::clicked, this, [this] {
        token_ = newRemoteToken();
        refresh();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        control_.apply(chosen());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
}

RemoteSettings QtRemoteDialog::chosen() const
{
    RemoteSettings chosen;
    chosen.on = on_->isChecked();
    chosen.listen = {network_->isChecked() ? kEverywhere : kLoopbackAddress, quint16(port_->value())};
    chosen.token = token_;
    return chosen;
}

void QtRemoteDialog::refresh()
{
    const RemoteSettings settings = chosen();
    for (QWidget* part : {static_cast<QWidget*>(local_), static_cast<QWidget*>(network_),
                          static_cast<QWidget*>(port_)})
        part->setEnabled(settings.on);
    const quint16 port = settings.listen.port;
    const QString host = network_->isChecked() ? networkHost() : kLoopbackAddress;
    const QString controlPage = remotePageUrl(settings, port, QStringLiteral("/"), host);
    controlUrl_->setText(settings.on ? controlPage : QStringLiteral("（オフ）"));
    overlayUrl_->setText(settings.on ? remotePageUrl(settings, port, QStringLiteral("/overlay"), kLoopbackAddress)
                                     : QStringLiteral("（オフ）"));
    // A phone scans the control page's address; only the local network's reaches it.
    const QImage code = settings.on && network_->isChecked() ? qrCodeImage(controlPage, 4) : QImage();
    qrCode_->setPixmap(QPixmap::fromImage(code));
    qrCode_->setVisible(!code.isNull());
    adjustSize();
}

} // namespace qc
