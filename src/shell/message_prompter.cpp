#include "shell/message_prompter.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/cp1252.h"
#include "shell/screens.h"
#include "shell/terr.h"

namespace mivo {

namespace {

int Run(const std::string& text, const std::string& caption, QMessageBox::StandardButtons buttons,
        const std::string& detail = {}) {
    QMessageBox box(QMessageBox::Warning, Cp1252::decode(caption), Cp1252::decode(text), buttons,
                    QApplication::activeWindow());
    if (!detail.empty()) box.setDetailedText(Cp1252::decode(detail));
    return box.exec();
}

}  // namespace

bool MessagePrompter::ask(const std::string& text, const std::string& caption) {
    return Run(text, caption, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Prompter::Answer MessagePrompter::askYesNoCancel(const std::string& text,
                                                 const std::string& caption) {
    switch (Run(text, caption, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

void MessagePrompter::notify(const std::string& text, const std::string& caption) {
    Run(text, caption, QMessageBox::Ok);
}

void MessagePrompter::notifyDetail(const std::string& text, const std::string& caption,
                                   const std::string& detail) {
    Run(text, caption, QMessageBox::Ok, detail);
}

void MessagePrompter::showControllerError(const std::string& line) {
    if (line.empty() || !screens_.terr) return;
    screens_.terr->showError(line);
}

}  // namespace mivo
