#pragma once
// The Prompter of the screens: modal message boxes with the warning icon, and the error dialog
// ErrorDialog for controller errors. Texts are Windows-1252 bytes.
#include "common/prompter.h"

class QWidget;

namespace mivo {

class ErrorDialog;
class TransferDialogs;

class MessagePrompter : public Prompter {
  public:
    // The boxes go in front of the transfer dialogs and of `error`, the error dialog (made
    // later: `setErrorDialog`).
    explicit MessagePrompter(const TransferDialogs& transfer, ErrorDialog* error = nullptr)
        : transfer_(transfer), error_(error) {}
    // The prompter of one window, over `shared` (its dialogs): its boxes belong to `window`
    // (told once made) while it shows, whether or not it is active yet.
    MessagePrompter(const MessagePrompter& shared, QWidget* window)
        : transfer_(shared.transfer_), shared_(&shared), window_(window) {}
    void setErrorDialog(ErrorDialog* error) { error_ = error; }
    void setWindow(QWidget* window) { window_ = window; }

    bool ask(const std::string& text, const std::string& caption) override;
    // Escape and the title bar's close button answer Cancel.
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override;
    void notify(const std::string& text, const std::string& caption) override;
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override;
    void showControllerError(const std::string& line) override;

  private:
    ErrorDialog* errorDialog() const { return shared_ ? shared_->error_ : error_; }

    const TransferDialogs& transfer_;
    ErrorDialog* error_ = nullptr;
    const MessagePrompter* shared_ = nullptr;
    QWidget* window_ = nullptr;
};

}  // namespace mivo
