#include "shell/settings_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/prompter.h"

namespace mivo {

namespace {

QLineEdit* Field(const char* objectName, const char* hint, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setToolTip(hint);
    field->setMinimumWidth(360);
    return field;
}

std::string Trimmed(const QLineEdit* field) { return field->text().trimmed().toStdString(); }

}  // namespace

SettingsDialog::SettingsDialog(Prompter& prompter, BrokerCheck brokerCheck, QWidget* parent)
    : QDialog(parent), prompter_(prompter), brokerCheck_(std::move(brokerCheck)) {
    setObjectName("SettingsDialog");
    setWindowTitle("MIVO Editor [Settings]");
    afterRun_ = Field("SettingsAfterRun",
                      "A shell command run after each run, told the run in MIVO_RESULT, "
                      "MIVO_CYCLE_S, MIVO_PROGRAM, MIVO_ERROR and MIVO_START; empty for none",
                      this);
    broker_ = Field("SettingsBroker",
                    "The plant's MQTT broker that hears each run and the robot's state, "
                    "mqtt://HOST:PORT/PREFIX; empty for none",
                    this);
    broker_->setPlaceholderText("mqtt://broker:1883/mivo");

    auto* form = new QFormLayout;
    form->addRow("After each run, &run:", afterRun_);
    form->addRow("Plant &broker (MQTT):", broker_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("SettingsButtons");
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SettingsDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void SettingsDialog::setPlant(const PlantChoice& plant) {
    plant_ = plant;
    showPlant();
    if (applied) applied(plant_);
}

void SettingsDialog::showPlant() {
    afterRun_->setText(QString::fromStdString(plant_.afterRun));
    broker_->setText(QString::fromStdString(plant_.broker));
}

void SettingsDialog::accept() {
    const PlantChoice chosen{Trimmed(afterRun_), Trimmed(broker_)};
    if (!chosen.broker.empty() && brokerCheck_) {
        if (const std::string problem = brokerCheck_(chosen.broker); !problem.empty()) {
            prompter_.notify(problem, "Settings");
            broker_->setFocus();
            return;
        }
    }
    if (!(chosen == plant_)) setPlant(chosen);
    QDialog::accept();
}

void SettingsDialog::showEvent(QShowEvent* event) {
    // The fields show the settings in force, not what a cancelled visit left in them.
    showPlant();
    QDialog::showEvent(event);
}

}  // namespace mivo
