#pragma once
// The Prompter of the screens: modal message boxes with the warning icon, and the error dialog
// Terr for controller errors. Texts are Windows-1252 bytes.
#include "common/prompter.h"

namespace mivo {

class Terr;
class TransferDialogs;

class MessagePrompter : public Prompter {
  public:
    // The boxes go in front of the transfer dialogs and of `error`, the error dialog (made
    // later: `setErrorDialog`).
    explicit MessagePrompter(const TransferDialogs& transfer, Terr* error = nullptr)
        : transfer_(transfer), error_(error) {}
    void setErrorDialog(Terr* error) { error_ = error; }

    bool ask(const std::string& text, const std::string& caption) override;
    // Escape and the title bar's close button answer Cancel.
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override;
    void notify(const std::string& text, const std::string& caption) override;
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override;
    void showControllerError(const std::string& line) override;

  private:
    const TransferDialogs& transfer_;
    Terr* error_ = nullptr;
};

}  // namespace mivo
