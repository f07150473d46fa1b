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
    setWindowTitle(tr("Transferring"));
    auto* label = new QLabel(tr("Transferring"), this);
    label->setObjectName("Label1");
    label->setAlignment(Qt::AlignCenter);
    SetRedBold(label);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("Bar");
    bar_->setRange(0, 1000);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    QPushButton* stop = NamedButton(tr("Stop transfer"), "Button1", this);
    ColumnAboveButton(this, {label, bar_}, stop);
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
