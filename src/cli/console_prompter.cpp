#include "cli/console_prompter.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>

#include "cli/cli_args.h"
#include "cli/person_words.h"
#include "cli/report_output.h"
#include "common/said_text.h"
#include "procedures/reply_rules.h"

namespace mivo {

ConsolePrompter::ConsolePrompter(std::istream& in, std::ostream& out, std::ostream& err, bool yes)
    : in_(in), out_(out), err_(err), yes_(yes) {}

std::string ConsolePrompter::answer(const std::string& text, const std::string& caption,
                                    const char* choices) {
    if (before_) before_();
    out_.flush();
    err_ << ForPerson(caption) << ": " << ForPerson(text) << " [" << choices << "] ";
    if (yes_) {
        err_ << "y" << std::endl;
        return "y";
    }
    err_.flush();
    std::string answer;
    if (!std::getline(in_, answer)) {
        err_ << std::endl;
        return {};
    }
    NoteAnswered();
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    answer.erase(answer.begin(), std::find_if_not(answer.begin(), answer.end(), blank));
    answer.erase(std::find_if_not(answer.rbegin(), answer.rend(), blank).base(), answer.end());
    std::transform(answer.begin(), answer.end(), answer.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return answer;
}

bool ConsolePrompter::ask(const std::string& text, const std::string& caption) {
    const std::string a = answer(text, caption, "y/N");
    const bool yes = a == "y" || a == "yes";
    declined_ = declined_ || !yes;
    return yes;
}

Prompter::Answer ConsolePrompter::askYesNoCancel(const std::string& text,
                                                 const std::string& caption) {
    const std::string a = answer(text, caption, "y/n/C");
    if (a == "y" || a == "yes") return Answer::Yes;
    declined_ = true;
    if (a == "n" || a == "no") return Answer::No;
    return Answer::Cancel;
}

void ConsolePrompter::notify(const std::string& text, const std::string& caption) {
    if (quietOpen_ && caption == "Open" && (text == "Complete" || text == "Completed")) return;
    if (before_) before_();
    out_ << caption << ": " << text << std::endl;
    NoteNotice(caption + ": " + text);
}

void ConsolePrompter::notifyDetail(const std::string& text, const std::string& caption,
                                   const std::string& detail) {
    if (before_) before_();
    out_ << caption << ": " << text << std::endl;
    NoteNotice(caption + ": " + text + (detail.empty() ? "" : " (" + detail + ")"));
    // What went wrong in detail is a diagnostic: standard error, the line after the notice.
    if (!detail.empty()) err_ << "  " << ForPerson(detail) << std::endl;
}

void ConsolePrompter::showControllerError(const std::string& line) {
    if (line.empty()) return;
    if (before_) before_();
    out_ << "Error display: " << ReadableErrorLine(line) << std::endl;
}

int ReportDeclined(int status, const ConsolePrompter& prompter, std::ostream& err) {
    if (status == kExitFailed && prompter.declined())
        err << "mivo: " << ForPerson(UI_TEXT("Message", "answered No: nothing was done"))
            << std::endl;
    return status;
}

}  // namespace mivo
