#pragma once
// The Prompter of the command-line tool: notices on standard output as "CAPTION: TEXT",
// questions on standard error as "CAPTION: TEXT [y/N]" answered from standard input (or Yes
// by --yes), controller errors as "Error display: LINE" on standard output.
#include <functional>
#include <iosfwd>
#include <string>

#include "common/prompter.h"

namespace mivo {

class ConsolePrompter : public Prompter {
  public:
    // `yes`: answer every question Yes without reading `in`.
    ConsolePrompter(std::istream& in, std::ostream& out, std::ostream& err, bool yes);

    // Yes for "y", "Y" or "yes" (any case, blanks around allowed); No for anything else and
    // for no input.
    bool ask(const std::string& text, const std::string& caption) override;
    // "CAPTION: TEXT [y/n/C]": Yes for "y" or "yes", No for "n" or "no", Cancel for anything
    // else and for no input.
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override;
    void notify(const std::string& text, const std::string& caption) override;
    // The detail follows on its own line, indented.
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override;
    void showControllerError(const std::string& line) override;

    // Runs before anything is printed (the progress line makes room).
    void setBeforeOutput(std::function<void()> before) { before_ = std::move(before); }
    // A file's open notice ("Open: Complete(d)") is left out: for a command whose result is
    // something else (check, compare), it would read as one.
    void setQuietOpen(bool quiet) { quietOpen_ = quiet; }
    // True once a question was answered otherwise than Yes.
    bool declined() const { return declined_; }

  private:
    // Asks with `choices` after the text; the answer in lower case without the blanks around
    // it ("y" under --yes; empty for no input).
    std::string answer(const std::string& text, const std::string& caption, const char* choices);

    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    bool yes_;
    bool declined_ = false;
    bool quietOpen_ = false;
    std::function<void()> before_;
};

// A command's exit status, after one line on `err` when it failed on a question answered
// otherwise than Yes: "mivo: answered No: nothing was done".
int ReportDeclined(int status, const ConsolePrompter& prompter, std::ostream& err);

}  // namespace mivo
