#include "shell/tcom.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "link/tbuff.h"
#include "shell/screens.h"
#include "shell/window_style.h"

namespace mivo {

Tcom::Tcom(Screens& screens, QWidget* parent)
    : QDialog(parent, kNoTitleButtons), screens_(screens) {
    setObjectName("Tcom");
    setWindowTitle("MIVO Editor [COM Select]");
    auto* box = new QGroupBox("COM set", this);
    box->setObjectName("ComSet");
    auto* grid = new QGridLayout(box);
    group_ = new QButtonGroup(this);
    // Two columns filled top to bottom: COM1..COM4, then COM5..COM8.
    constexpr int perColumn = (kPorts + 1) / 2;
    for (int i = 0; i < kPorts; ++i) {
        auto* radio = new QRadioButton(QString("COM%1").arg(i + 1), box);
        radio->setObjectName(radio->text());
        group_->addButton(radio, i);
        devices_[i] = new QLabel(box);
        devices_[i]->setObjectName(QString("device%1").arg(i + 1));
        const int row = i % perColumn;
        const int column = (i / perColumn) * 2;
        grid->addWidget(radio, row, column);
        grid->addWidget(devices_[i], row, column + 1);
    }
    group_->button(0)->setChecked(true);
    auto* set = new QPushButton("Set", this);
    set->setObjectName("Set");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(set, 0, Qt::AlignHCenter);
    connect(set, &QPushButton::clicked, this, &Tcom::SetClick);
    showDevices();
}

int Tcom::itemIndex() const {
    const int id = group_->checkedId();
    return id < 0 ? 0 : id;
}

void Tcom::setItemIndex(int index) {
    if (index >= 0 && index < kPorts) group_->button(index)->setChecked(true);
}

QString Tcom::deviceShown(int portNumber) const {
    return portNumber >= 1 && portNumber <= kPorts ? devices_[portNumber - 1]->text() : QString();
}

void Tcom::showDevices() {
    if (!screens_.tbuff) return;
    for (int i = 0; i < kPorts; ++i) devices_[i]->setText(screens_.tbuff->deviceForPort(i + 1));
}

void Tcom::showEvent(QShowEvent* event) {
    // The devices may have been set after the dialog was made (program options).
    showDevices();
    adjustSize();
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

void Tcom::openFrom(QWidget* opener) {
    opener_ = opener;
    show();
    raise();
}

void Tcom::SetClick() {
    Enable(opener_);
    opener_ = nullptr;
    hide();
}

}  // namespace mivo
