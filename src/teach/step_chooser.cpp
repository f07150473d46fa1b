#include "teach/step_chooser.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <map>

#include "codepage/cp1252.h"
#include "modal/modal_run.h"
#include "shell/window_style.h"
#include "teach/opener_moves.h"
#include "teach/teach_screen.h"

namespace mivo {

StepChooser::StepChooser(TeachScreen& teach, QWidget* parent)
    : QWidget(parent, Qt::Window), teach_(teach) {
    setObjectName("Treadoff");
    setWindowTitle(tr("MIVO Editor [read]"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Step No.")));
    step_ = new QLineEdit("0");
    step_->setObjectName("Edit1");
    step_->setMaxLength(3);
    step_->setValidator(new QIntValidator(0, 999, step_));
    row->addWidget(step_);
    row->addStretch(1);
    layout->addLayout(row);
    for (const QString& text :
         {tr("Select the step number to perform offset teaching."),
          tr("GO movement starts when switching to the Teaching dialog box.")}) {
        auto* label = new QLabel(text);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    record_ = new QPlainTextEdit;
    record_->setObjectName("Memo1");
    record_->setReadOnly(true);
    layout->addWidget(record_);
    auto* buttons = new QHBoxLayout;
    read_ = NamedButton(tr("Read step"), "Button1", this);
    teaching_ = NamedButton(tr("Teaching dialog box"), "Button2", this);
    cancel_ = NamedButton(tr("Cancel"), "Button3", this);
    for (QPushButton* b : {read_, teaching_, cancel_}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(read_, &QPushButton::clicked, this, &StepChooser::readStepClicked);
    connect(teaching_, &QPushButton::clicked, this, &StepChooser::teachingDialogBoxClicked);
    connect(cancel_, &QPushButton::clicked, this, &StepChooser::cancelClicked);
    resize(380, 240);
}

void StepChooser::openChooser(QWidget* opener) {
    record_->clear();
    setButtonsEnabled(true);
    ShowOver(this, opener);
    CentreOnScreen(this);
}

void StepChooser::showRecord(const std::vector<std::string>& record) {
    for (const std::string& line : record) record_->appendPlainText(Cp1252::decode(line));
}

void StepChooser::setButtonsEnabled(bool on) {
    read_->setEnabled(on);
    teaching_->setEnabled(on);
}

void StepChooser::readStepClicked() {
    record_->clear();
    setButtonsEnabled(false);
    std::vector<std::string> record;
    RunModal(
        [&] { ReadStepRecord(teach_.mainContext(this), Cp1252::encode(step_->text()), record); });
    showRecord(record);
    setButtonsEnabled(true);
}

void StepChooser::teachingDialogBoxClicked() {
    teach_.clearPositions();
    record_->clear();
    setButtonsEnabled(false);
    const std::string step = Cp1252::encode(step_->text());
    std::vector<std::string> record;
    std::map<int, std::string> positions;
    Outcome outcome = Outcome::Failed;
    RunModal([&] {
        outcome =
            MoveForTeaching(teach_.mainContext(this), ChosenStepMove(step, &record), positions);
    });
    showRecord(record);
    setButtonsEnabled(true);
    if (outcome != Outcome::Completed) return;
    hide();
    teach_.showTaught(positions);
    teach_.showForTeaching();
}

void StepChooser::cancelClicked() {
    hide();
    teach_.giveUp();
}

void StepChooser::closeEvent(QCloseEvent* event) {
    event->ignore();
    cancelClicked();
}

}  // namespace mivo
