#include "cli/console_prompter.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>

#include "procedures/reply_rules.h"

namespace mivo {

ConsolePrompter::ConsolePrompter(std::istream& in, std::ostream& out, std::ostream& err, bool yes)
    : in_(in), out_(out), err_(err), yes_(yes) {}

bool ConsolePrompter::ask(const std::string& text, const std::string& caption) {
    out_.flush();
    err_ << caption << ": " << text << " [y/N] ";
    if (yes_) {
        err_ << "y" << std::endl;
        return true;
    }
    err_.flush();
    std::string answer;
    if (!std::getline(in_, answer)) {
        err_ << std::endl;
        return false;
    }
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    answer.erase(answer.begin(), std::find_if_not(answer.begin(), answer.end(), blank));
    answer.erase(std::find_if_not(answer.rbegin(), answer.rend(), blank).base(), answer.end());
    std::transform(answer.begin(), answer.end(), answer.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return answer == "y" || answer == "yes";
}

void ConsolePrompter::notify(const std::string& text, const std::string& caption) {
    out_ << caption << ": " << text << std::endl;
}

void ConsolePrompter::notifyDetail(const std::string& text, const std::string& caption,
                                   const std::string& detail) {
    out_ << caption << ": " << text << std::endl;
    // What went wrong in detail is a diagnostic: standard error, the line after the notice.
    if (!detail.empty()) err_ << "  " << detail << std::endl;
}

void ConsolePrompter::showControllerError(const std::string& line) {
    if (!line.empty()) out_ << "Error display: " << ReadableErrorLine(line) << std::endl;
}

}  // namespace mivo
