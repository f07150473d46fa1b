#include "shell/port_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "link/controller_link.h"
#include "link/stable_port_name.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

constexpr int kFirstReportedId = 100;  // button ids of the reported ports

QString ReportedText(const ReportedPort& p) {
    const auto bytes = [](const QString& s) { return s.toLocal8Bit().toStdString(); };
    return QString::fromLocal8Bit(PortListLine(bytes(p.device), bytes(p.description),
                                               bytes(p.manufacturer), bytes(p.serialNumber))
                                      .c_str());
}

}  // namespace

PortDialog::PortDialog(const ControllerLink& link, QWidget* parent)
    : OpenerDialog(parent, kNoTitleButtons), link_(link), lister_(ReportedSerialPorts) {
    setObjectName("Tcom");
    setWindowTitle(tr("MIVO Editor [COM Select]"));
    auto* box = new QGroupBox(tr("COM set"), this);
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
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked) return;
        const std::size_t i = static_cast<std::size_t>(id - kFirstReportedId);
        chosenDevice_ =
            id >= kFirstReportedId && i < reportedDevices_.size() ? reportedDevices_[i] : QString();
    });

    auto* found = new QGroupBox(tr("Serial ports found"), this);
    found->setObjectName("Reported");
    reportedLayout_ = new QVBoxLayout(found);
    noneFound_ = new QLabel(tr("(none)"), found);
    reportedLayout_->addWidget(noneFound_);

    QPushButton* set = NamedButton(tr("Set"), "Set", this);
    ColumnAboveButton(this, {box, found}, set);
    connect(set, &QPushButton::clicked, this, &PortDialog::onSetClicked);
    showDevices();
}

int PortDialog::itemIndex() const {
    const int id = group_->checkedId();
    if (id >= kFirstReportedId) return -1;
    return id < 0 ? 0 : id;
}

void PortDialog::setItemIndex(int index) {
    if (index < 0 || index >= kPorts) return;
    group_->button(index)->setChecked(true);
    chosenDevice_.clear();
}

QString PortDialog::deviceShown(int portNumber) const {
    return portNumber >= 1 && portNumber <= kPorts ? devices_[portNumber - 1]->text() : QString();
}

PortChoice PortDialog::portChoice() const {
    if (!chosenDevice_.isEmpty()) return {0, chosenDevice_};
    return {itemIndex() + 1, {}};
}

void PortDialog::setPortLister(std::function<std::vector<ReportedPort>()> lister) {
    lister_ = std::move(lister);
}

void PortDialog::showDevices() {
    for (int i = 0; i < kPorts; ++i) devices_[i]->setText(link_.deviceForPort(i + 1));
}

void PortDialog::listReportedPorts() {
    for (QRadioButton* r : reported_) {
        group_->removeButton(r);
        delete r;
    }
    reported_.clear();
    reportedDevices_.clear();

    std::vector<ReportedPort> ports = lister_ ? lister_() : std::vector<ReportedPort>{};
    // A device one of the eight items opens already is not offered twice.
    ports.erase(std::remove_if(ports.begin(), ports.end(),
                               [this](const ReportedPort& p) {
                                   for (QLabel* d : devices_)
                                       if (d->text() == p.device) return true;
                                   return false;
                               }),
                ports.end());
    // Each by the name it is remembered by: its stable name where it has one. A choice made by
    // its device before (an older settings file) is the same port.
    const PortChooser& chooser = link_.ports();
    std::vector<QString> names;
    for (const ReportedPort& p : ports) names.push_back(chooser.stableName(p.device));
    const auto isChosen = [&](std::size_t i) {
        return names[i] == chosenDevice_ || ports[i].device == chosenDevice_;
    };
    // A chosen port that is gone (unplugged) stays chosen, marked, until another is chosen.
    bool chosenGone = !chosenDevice_.isEmpty();
    for (std::size_t i = 0; i < ports.size(); ++i) chosenGone = chosenGone && !isChosen(i);
    if (chosenGone) {
        ports.push_back({chosenDevice_, tr("not found"), {}, {}});
        names.push_back(chosenDevice_);
    }

    QWidget* box = noneFound_->parentWidget();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        auto* radio = new QRadioButton(ReportedText(ports[i]), box);
        group_->addButton(radio, kFirstReportedId + static_cast<int>(i));
        reportedLayout_->addWidget(radio);
        reported_.push_back(radio);
        reportedDevices_.push_back(names[i]);
        if (isChosen(i)) radio->setChecked(true);
    }
    noneFound_->setVisible(ports.empty());
}

void PortDialog::showEvent(QShowEvent* event) {
    // The devices may have been set after the dialog was made (program options); adapters
    // come and go.
    showDevices();
    listReportedPorts();
    adjustSize();
    OpenerDialog::showEvent(event);
}

void PortDialog::openFrom(QWidget* opener) {
    openedItem_ = itemIndex();
    openedDevice_ = chosenDevice_;
    showFor(opener);
}

void PortDialog::onSetClicked() {
    giveBack();
    hide();
}

void PortDialog::reject() {
    if (openedDevice_.isEmpty()) setItemIndex(openedItem_);
    // A reported port chosen before is listed, if only as not found.
    for (std::size_t i = 0; i < reported_.size(); ++i)
        if (!openedDevice_.isEmpty() && reportedDevices_[i] == openedDevice_)
            reported_[i]->setChecked(true);
    onSetClicked();
}

}  // namespace mivo
