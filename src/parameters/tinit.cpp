#include "parameters/tinit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/window_style.h"

namespace mivo {

namespace {

const char* const kRobots[] = {"10:MIVO-PA2", "11:MIVO-PA3", "12:MIVO-PAL3",
                               "20:MIVO-PB2", "21:MIVO-PB3", "22:MIVO-PBL3",
                               "30:MIVO-PC2", "31:MIVO-PC3", "32:MIVO-PCL3"};

}  // namespace

Tinit::Tinit(Screens&, QWidget* parent) : QDialog(parent, kNoTitleButtons) {
    setObjectName("Tinit");
    setWindowTitle("MIVO Editor [init]");
    label_ = new QLabel("Select robot No. to be initialized.", this);
    label_->setObjectName("Label1");
    list_ = new QComboBox(this);
    list_->setObjectName("ComboBox1");
    for (const char* robot : kRobots) list_->addItem(robot);
    list_->setCurrentText("22:MIVO-PBL3");
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
    connect(yes, &QPushButton::clicked, this, &Tinit::YesClick);
    connect(no, &QPushButton::clicked, this, &Tinit::NoClick);
}

void Tinit::openFor(QWidget* opener, const QString& text, bool showList,
                    std::function<void()> yes) {
    opener_ = opener;
    yesHandler_ = std::move(yes);
    label_->setText(text);
    list_->setVisible(showList);
    show();
    raise();
}

QString Tinit::question() const { return label_->text(); }

bool Tinit::parameterMode() const { return label_->text().startsWith(kRobotQuestion); }

int Tinit::robotNumber() const {
    bool ok = false;
    const int n = list_->currentText().left(2).toInt(&ok);
    return ok ? n : -1;
}

void Tinit::YesClick() {
    if (yesHandler_)
        yesHandler_();
    else
        closeToOpener();
}

void Tinit::NoClick() { closeToOpener(); }

void Tinit::closeToOpener() {
    hide();
    Enable(opener_);
    opener_ = nullptr;
}

void Tinit::showEvent(QShowEvent* event) {
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

}  // namespace mivo
