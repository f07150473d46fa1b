#include "shell/error_record_dialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "shell/window_style.h"

namespace mivo {

ErrorRecordDialog::ErrorRecordDialog(QWidget* parent) : OpenerDialog(parent, kNoTitleButtons) {
    setObjectName("Terror");
    setWindowTitle(tr("MIVO Editor [Error-Record]"));
    auto* label = new QLabel(tr("The higher up on the list, the more recent the error."), this);
    label->setObjectName("Label1");
    SetBold(label);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Memo1");
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPushButton* ok = NamedButton("OK", "OK", this);
    ColumnAboveButton(this, {label, memo_}, ok)->setStretchFactor(memo_, 1);
    SetFixedWrittenSize(this, {420, 320});
    connect(ok, &QPushButton::clicked, this, &ErrorRecordDialog::onOkClicked);
}

void ErrorRecordDialog::addLine(const std::string& line) {
    lines_.append(Cp1252::decode(line));
    memo_->appendPlainText(lines_.back());
}

void ErrorRecordDialog::clearLines() {
    lines_.clear();
    memo_->clear();
}

void ErrorRecordDialog::onOkClicked() {
    giveBack();
    clearLines();
    hide();
}

}  // namespace mivo
