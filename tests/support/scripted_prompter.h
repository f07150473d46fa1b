#pragma once
// A Prompter that answers from a script and records every message, for tests.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/prompter.h"

namespace mivo::test {

struct Message {
    std::string kind;  // "ask", "notify", "error"
    std::string text;
    std::string caption;
    bool operator==(const Message&) const = default;
};

class ScriptedPrompter : public Prompter {
  public:
    // Answers for the coming Yes/No questions, in order; once used up, questions are answered No.
    std::deque<bool> answers;
    // Answers for the coming Yes/No/Cancel questions; once used up, Cancel.
    std::deque<Answer> choices;
    std::vector<Message> messages;
    std::vector<std::string> details;
    // Called with each message as it is shown (to look at the screens at that moment).
    std::function<void(const Message&)> onMessage;

    bool ask(const std::string& text, const std::string& caption) override {
        record({"ask", text, caption});
        if (answers.empty()) return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override {
        record({"ask", text, caption});
        if (choices.empty()) return Answer::Cancel;
        const Answer a = choices.front();
        choices.pop_front();
        return a;
    }
    void notify(const std::string& text, const std::string& caption) override {
        record({"notify", text, caption});
    }
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override {
        if (!detail.empty()) details.push_back(detail);
        notify(text, caption);
    }
    void showControllerError(const std::string& line) override {
        if (!line.empty()) record({"error", line, "Error display"});
    }
    void record(const Message& m) {
        messages.push_back(m);
        if (onMessage) onMessage(m);
    }
    // The messages' texts, of one kind ("error": shown in the error dialog) or of all.
    std::vector<std::string> texts(const std::string& kind = "") const {
        std::vector<std::string> out;
        for (const auto& m : messages)
            if (kind.empty() || m.kind == kind) out.push_back(m.text);
        return out;
    }
};

}  // namespace mivo::test
