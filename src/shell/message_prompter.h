#pragma once
// The Prompter of the screens: modal message boxes with the warning icon, and the error dialog
// ErrorDialog for controller errors. Texts are Windows-1252 bytes.
#include "common/prompter.h"

namespace mivo {

class ErrorDialog;
class TransferDialogs;

class MessagePrompter : public Prompter {
  public:
    // The boxes go in front of the transfer dialogs and of `error`, the error dialog (made
    // later: `setErrorDialog`).
    explicit MessagePrompter(const TransferDialogs& transfer, ErrorDialog* error = nullptr)
        : transfer_(transfer), error_(error) {}
    void setErrorDialog(ErrorDialog* error) { error_ = error; }

    bool ask(const std::string& text, const std::string& caption) override;
    // Escape and the title bar's close button answer Cancel.
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override;
    void notify(const std::string& text, const std::string& caption) override;
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override;
    void showControllerError(const std::string& line) override;

  private:
    const TransferDialogs& transfer_;
    ErrorDialog* error_ = nullptr;
};

}  // namespace mivo
