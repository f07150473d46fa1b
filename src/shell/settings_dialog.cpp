#include "shell/settings_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "common/prompter.h"
#include "i18n/languages.h"

namespace mivo {

namespace {

QLineEdit* Field(const char* objectName, const QString& hint, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setToolTip(hint);
    field->setMinimumWidth(360);
    return field;
}

constexpr const char* kSettings = QT_TRANSLATE_NOOP("Message", "Settings");
constexpr const char* kLanguageLater =
    QT_TRANSLATE_NOOP("Message", "The language changes when the editor starts again.");

std::string Trimmed(const QLineEdit* field) { return field->text().trimmed().toStdString(); }

}  // namespace

SettingsDialog::SettingsDialog(Prompter& prompter, BrokerCheck brokerCheck, QWidget* parent)
    : QDialog(parent), prompter_(prompter), brokerCheck_(std::move(brokerCheck)) {
    setObjectName("SettingsDialog");
    setWindowTitle(tr("MIVO Editor [Settings]"));
    afterRun_ = Field("SettingsAfterRun",
                      tr("A shell command run after each run, told the run in MIVO_RESULT, "
                         "MIVO_CYCLE_S, MIVO_PROGRAM, MIVO_ERROR and MIVO_START; empty for none"),
                      this);
    broker_ = Field("SettingsBroker",
                    tr("The plant's MQTT broker that hears each run and the robot's state, "
                       "mqtt://HOST:PORT/PREFIX; empty for none"),
                    this);
    broker_->setPlaceholderText("mqtt://broker:1883/mivo");
    languages_ = new QComboBox(this);
    languages_->setObjectName("SettingsLanguage");
    languages_->setToolTip(
        tr("The language of the windows and messages, from the next start; the controller's "
           "own lines and the files stay as they are"));
    languages_->addItem(tr("As the system is set"), QString());
    for (const Language& l : kLanguages)
        languages_->addItem(QString::fromUtf8(l.name), QString::fromLatin1(l.code));

    auto* form = new QFormLayout;
    form->addRow(tr("After each run, &run:"), afterRun_);
    form->addRow(tr("Plant &broker (MQTT):"), broker_);
    form->addRow(tr("&Language:"), languages_);
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
    languages_->setCurrentIndex(
        std::max(languages_->findData(QString::fromStdString(language_)), 0));
}

void SettingsDialog::setLanguage(const std::string& code) {
    language_ = code;
    showPlant();
}

void SettingsDialog::accept() {
    const PlantChoice chosen{Trimmed(afterRun_), Trimmed(broker_)};
    if (!chosen.broker.empty() && brokerCheck_) {
        if (const std::string problem = brokerCheck_(chosen.broker); !problem.empty()) {
            prompter_.notify(problem, kSettings);
            broker_->setFocus();
            return;
        }
    }
    if (!(chosen == plant_)) setPlant(chosen);
    if (const std::string language = languages_->currentData().toString().toStdString();
        language != language_) {
        language_ = language;
        prompter_.notify(kLanguageLater, kSettings);
    }
    QDialog::accept();
}

void SettingsDialog::showEvent(QShowEvent* event) {
    // The fields show the settings in force, not what a cancelled visit left in them.
    showPlant();
    QDialog::showEvent(event);
}

}  // namespace mivo
