#include "shell/message_prompter.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>

#include "codepage/cp1252.h"
#include "i18n/translated_texts.h"
#include "procedures/reply_rules.h"
#include "shell/cancel_dialog.h"
#include "shell/error_dialog.h"
#include "shell/progress_dialog.h"
#include "shell/transfer_dialogs.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

// A message box belongs to the dialog in front: the error dialog while it shows the controller's
// error line, else the progress or cancel dialog of a running operation, else the window that
// asks while it shows, else the active window, else the screen of the last operation. The window
// manager keeps a box's owner just under it, so the owner is not pushed behind the box's other
// windows (the error line behind the progress dialog), and a box with an owner never falls behind
// it.
QWidget* Owner(const TransferDialogs& transfer, QWidget* error, QWidget* window) {
    for (QWidget* w : {error, static_cast<QWidget*>(transfer.progressDialog()),
                       static_cast<QWidget*>(transfer.cancelDialog()), window})
        if (w && w->isVisible()) return w;
    QWidget* screen = transfer.owner();
    if (QWidget* active = QApplication::activeWindow()) return active;
    return screen && screen->isVisible() ? screen : nullptr;
}

int Run(const TransferDialogs& transfer, QWidget* error, QWidget* window, const std::string& text,
        const std::string& caption, QMessageBox::StandardButtons buttons,
        const std::string& detail = {}) {
    QWidget* owner = Owner(transfer, error, window);
    QMessageBox box(QMessageBox::Warning, MessageText(caption), MessageText(text), buttons, owner);
    if (!detail.empty()) box.setDetailedText(MessageText(detail));
    // The box sizes itself to its text: a short text ("Error No. 3") under a longer caption
    // needs room for the caption to read whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleWidth(box.windowTitle()), 0, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    if (owner && owner == error) {
        // Under the error dialog rather than over its text, so that both can be read.
        box.adjustSize();
        const QRect shown = owner->frameGeometry();
        box.move(shown.center().x() - box.width() / 2, shown.bottom() + 8);
    }
    return box.exec();
}

}  // namespace

bool MessagePrompter::ask(const std::string& text, const std::string& caption) {
    return Run(transfer_, errorDialog(), window_, text, caption,
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Prompter::Answer MessagePrompter::askYesNoCancel(const std::string& text,
                                                 const std::string& caption) {
    switch (Run(transfer_, errorDialog(), window_, text, caption,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

void MessagePrompter::notify(const std::string& text, const std::string& caption) {
    Run(transfer_, errorDialog(), window_, text, caption, QMessageBox::Ok);
}

void MessagePrompter::notifyDetail(const std::string& text, const std::string& caption,
                                   const std::string& detail) {
    Run(transfer_, errorDialog(), window_, text, caption, QMessageBox::Ok, detail);
}

void MessagePrompter::showControllerError(const std::string& line) {
    ErrorDialog* error = errorDialog();
    if (line.empty() || !error) return;
    error->showError(ReadableErrorLine(line));
}

}  // namespace mivo
