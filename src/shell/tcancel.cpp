#include "shell/tcancel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "link/tbuff.h"
#include "shell/editor_frame.h"
#include "shell/screens.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"

namespace mivo {

TCancel::TCancel(Screens& screens, QWidget* parent)
    : QDialog(parent, kNoTitleButtons), screens_(screens) {
    setObjectName("TCancel");
    setWindowTitle("MIVO Editor [Cancel]");
    label_ = new QLabel("Transferring", this);
    label_->setObjectName("Label1");
    label_->setAlignment(Qt::AlignCenter);
    QFont bold = label_->font();
    bold.setBold(true);
    label_->setFont(bold);
    QPalette red = label_->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0, 0));
    label_->setPalette(red);
    button_ = new QPushButton("Cancel", this);
    button_->setObjectName("Button1");
    button_->setFont(bold);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(button_);
    SetFixedWrittenSize(this, {240, 110});
    connect(button_, &QPushButton::clicked, this, &TCancel::Button1Click);
}

void TCancel::setTexts(const QString& label, const QString& button) {
    label_->setText(label);
    button_->setText(button);
}
QString TCancel::labelText() const { return label_->text(); }
QString TCancel::buttonText() const { return button_->text(); }

void TCancel::showEvent(QShowEvent* event) {
    CentreOverOwner(this);
    QDialog::showEvent(event);
}

void TCancel::Button1Click() {
    TBuff* link = screens_.tbuff;
    if (!dataExchange_) {
        // A motion runs: stop the robot, whose reply then ends the pending wait.
        setTexts("MSTOP send", "Cancel");
        if (link) link->mainChannel().request("@MSTOP");
        if (screens_.transfer) screens_.transfer->setCancelRequested(true);
        for (QWidget* w : {static_cast<QWidget*>(screens_.tmmain), screens_.tparameter,
                           screens_.tpalet, screens_.toffset, screens_.tteach, screens_.treadoff})
            EnableIfVisible(w);
    } else {
        dataExchange_ = false;
        if (screens_.transfer) screens_.transfer->setCancelRequested(true);
        for (QWidget* w :
             {static_cast<QWidget*>(screens_.tmmain), screens_.tparameter, screens_.tpalet,
              screens_.toffset, screens_.tdirect, screens_.tteach, screens_.treadoff})
            EnableIfVisible(w);
    }
    hide();
}

}  // namespace mivo
