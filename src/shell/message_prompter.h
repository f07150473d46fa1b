#pragma once
// The Prompter of the screens: modal message boxes with the warning icon, and the error dialog
// Terr for controller errors. Texts are Windows-1252 bytes.
#include "common/prompter.h"

namespace mivo {

struct Screens;

class MessagePrompter : public Prompter {
  public:
    explicit MessagePrompter(Screens& screens) : screens_(screens) {}

    bool ask(const std::string& text, const std::string& caption) override;
    // Escape and the title bar's close button answer Cancel.
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override;
    void notify(const std::string& text, const std::string& caption) override;
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override;
    void showControllerError(const std::string& line) override;

  private:
    Screens& screens_;
};

}  // namespace mivo
