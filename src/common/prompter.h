#pragma once
// How a procedure talks to the user: questions, notices and the controller error dialog.
// Screens implement it with message boxes, `mivo` with the terminal, tests with a script.
// Texts are bytes in Windows-1252, as everywhere in the data.
#include <string>

namespace mivo {

class Prompter {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    // Yes/No question with the warning icon; true for Yes.
    virtual bool ask(const std::string& text, const std::string& caption) = 0;
    // Yes/No/Cancel question with the warning icon, for a question whose No gives something up
    // (closing without saving): Cancel, also closing the question unanswered, means that
    // nothing is done and everything stays as it was.
    virtual Answer askYesNoCancel(const std::string& text, const std::string& caption) = 0;
    // Notice with an OK button and the warning icon.
    virtual void notify(const std::string& text, const std::string& caption) = 0;
    // A notice with a detailed text beneath (for example the device and the system's reason);
    // with an empty detail, a plain notice.
    virtual void notifyDetail(const std::string& text, const std::string& caption,
                              const std::string& detail) {
        (void)detail;
        notify(text, caption);
    }
    // The error dialog with the controller's error line; nothing for an empty line.
    virtual void showControllerError(const std::string& line) = 0;
};

// Passes everything on to another prompter; a prompter that changes some of it (names what a
// message is about) overrides only that.
class ForwardingPrompter : public Prompter {
  public:
    explicit ForwardingPrompter(Prompter& inner) : inner_(inner) {}
    bool ask(const std::string& text, const std::string& caption) override {
        return inner_.ask(text, caption);
    }
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override {
        return inner_.askYesNoCancel(text, caption);
    }
    void notify(const std::string& text, const std::string& caption) override {
        inner_.notify(text, caption);
    }
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override {
        inner_.notifyDetail(text, caption, detail);
    }
    void showControllerError(const std::string& line) override { inner_.showControllerError(line); }

  protected:
    Prompter& inner_;
};

// Shows nothing: questions are answered No, or Cancel where offered (a screen with no prompter
// set, a check run without a word to the user).
class SilentPrompter : public Prompter {
  public:
    bool ask(const std::string&, const std::string&) override { return false; }
    Answer askYesNoCancel(const std::string&, const std::string&) override {
        return Answer::Cancel;
    }
    void notify(const std::string&, const std::string&) override {}
    void showControllerError(const std::string&) override {}
    // One for everyone: it keeps no state.
    static SilentPrompter& instance() {
        static SilentPrompter silent;
        return silent;
    }
};

}  // namespace mivo
