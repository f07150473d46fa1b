#include "shell/error_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "shell/navigator.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"

namespace mivo {

ErrorDialog::ErrorDialog(const TransferDialogs& transfer, const Navigator& navigator,
                         QWidget* parent)
    : OpenerDialog(parent, kNoTitleButtons), transfer_(transfer), navigator_(navigator) {
    setObjectName("Terr");
    setWindowTitle(tr("Error display"));
    text_ = new QLabel(this);
    text_->setObjectName("ERRhyouji");
    text_->setAlignment(Qt::AlignCenter);
    text_->setWordWrap(true);
    text_->setAutoFillBackground(true);
    QPalette white = text_->palette();
    white.setColor(QPalette::Window, Qt::white);
    text_->setPalette(white);
    QFont large = SetBold(text_);
    large.setPointSize(16);
    text_->setFont(large);
    QPushButton* ok = NamedButton("OK", "OK", this);
    ColumnAboveButton(this, {text_}, ok)->setStretchFactor(text_, 1);
    SetFixedWrittenSize(this, {360, 200});
    connect(ok, &QPushButton::clicked, this, &ErrorDialog::onOkClicked);
}

void ErrorDialog::showError(const std::string& line) {
    text_->setText(Cp1252::decode(line));
    // Over the screen whose operation reports it, in front of its transfer dialogs.
    showFor(transfer_.owner());
}

QString ErrorDialog::errorText() const { return text_->text(); }

void ErrorDialog::onOkClicked() {
    // While teaching, the teaching screen re-enables what it needs itself.
    if (!navigator_.teaching()) giveBack();
    hide();
    text_->clear();
}

}  // namespace mivo
