#include "parameters/init_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "parameters/parameter_catalogue.h"
#include "shell/window_style.h"

namespace mivo {

InitDialog::InitDialog(QWidget* parent) : OpenerDialog(parent, kNoTitleButtons) {
    setObjectName("Tinit");
    setWindowTitle(kInitCaption);
    label_ = new QLabel("Select robot No. to be initialized.", this);
    label_->setObjectName("Label1");
    list_ = new QComboBox(this);
    list_->setObjectName("ComboBox1");
    for (const RobotSet& set : RobotSets()) list_->addItem(set.entry);
    list_->setCurrentText(RobotSetFor(kDefaultRobotNumber).entry);
    auto* yes = new QPushButton("Yes", this);
    yes->setObjectName("Yes");
    auto* no = new QPushButton("No", this);
    no->setObjectName("No");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    connect(yes, &QPushButton::clicked, this, &InitDialog::onYesClicked);
    connect(no, &QPushButton::clicked, this, &InitDialog::onNoClicked);
}

void InitDialog::openFor(QWidget* opener, const QString& text, bool showList,
                         std::function<void()> yes) {
    yesHandler_ = std::move(yes);
    label_->setText(text);
    list_->setVisible(showList);
    showFor(opener);
}

QString InitDialog::question() const { return label_->text(); }

bool InitDialog::parameterMode() const { return label_->text().startsWith(kRobotQuestion); }

int InitDialog::robotNumber() const {
    bool ok = false;
    const int n = list_->currentText().left(2).toInt(&ok);
    return ok ? n : -1;
}

void InitDialog::onYesClicked() {
    if (yesHandler_)
        yesHandler_();
    else
        closeToOpener();
}

void InitDialog::onNoClicked() { closeToOpener(); }

void InitDialog::closeToOpener() {
    hide();
    giveBack();
}

}  // namespace mivo
