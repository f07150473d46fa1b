#include "shell/progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"

namespace mivo {

ProgressDialog::ProgressDialog(TransferDialogs& transfer, QWidget* parent)
    : OpenerDialog(parent, kNoTitleButtons), transfer_(transfer) {
    setObjectName("Tcall");
    setWindowTitle("Transferring");
    auto* label = new QLabel("Transferring", this);
    label->setObjectName("Label1");
    label->setAlignment(Qt::AlignCenter);
    SetRedBold(label);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("Bar");
    bar_->setRange(0, 1000);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    auto* stop = new QPushButton("Stop transfer", this);
    stop->setObjectName("Button1");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(bar_);
    layout->addWidget(stop, 0, Qt::AlignHCenter);
    SetFixedWrittenSize(this, {320, 130});
    connect(stop, &QPushButton::clicked, this, &ProgressDialog::onStopClicked);
}

void ProgressDialog::resetProgress(int maximum) {
    bar_->setRange(0, maximum);
    bar_->setValue(0);
}

void ProgressDialog::setProgress(int position) { bar_->setValue(position); }

void ProgressDialog::onStopClicked() {
    transfer_.requestCancel(false);
    giveBack();
    hide();
}

}  // namespace mivo
