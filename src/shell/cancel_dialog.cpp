#include "shell/cancel_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"

namespace mivo {

CancelDialog::CancelDialog(TransferDialogs& transfer, QWidget* parent)
    : OpenerDialog(parent, kNoTitleButtons), transfer_(transfer) {
    setObjectName("TCancel");
    setWindowTitle(tr("MIVO Editor [Cancel]"));
    label_ = new QLabel(tr("Transferring"), this);
    label_->setObjectName("Label1");
    label_->setAlignment(Qt::AlignCenter);
    const QFont bold = SetRedBold(label_);
    button_ = new QPushButton(tr("Cancel"), this);
    button_->setObjectName("Button1");
    button_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(button_);
    SetFixedWrittenSize(this, {240, 110});
    connect(button_, &QPushButton::clicked, this, &CancelDialog::onButtonClicked);
}

void CancelDialog::setTexts(const QString& label, const QString& button) {
    label_->setText(label);
    button_->setText(button);
}
QString CancelDialog::labelText() const { return label_->text(); }
QString CancelDialog::buttonText() const { return button_->text(); }

void CancelDialog::onButtonClicked() {
    const bool motion = !dataExchange_;
    if (motion)
        setTexts(tr("MSTOP send"), tr("Cancel"));
    else
        dataExchange_ = false;
    transfer_.requestCancel(motion);
    giveBack(true);
    hide();
}

}  // namespace mivo
