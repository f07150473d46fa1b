#pragma once
// Receives run one after another for a read the user asked for as a whole (a backup, a
// comparison): the receives' questions taken as answered Yes, their messages shown only when
// one did not complete, and the line not drained again between receives that completed.
#include <functional>
#include <string>
#include <vector>

#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

// The receives' side of the user: their questions answered Yes, their messages held until the
// receive ends, then shown only when it did not complete (a completed one has said no more
// than its completion).
class ReadPrompter : public Prompter {
  public:
    explicit ReadPrompter(Prompter& inner) : inner_(inner) {}
    bool ask(const std::string&, const std::string&) override { return true; }
    Answer askYesNoCancel(const std::string& text, const std::string& caption) override {
        return inner_.askYesNoCancel(text, caption);
    }
    void notify(const std::string& text, const std::string& caption) override;
    void notifyDetail(const std::string& text, const std::string& caption,
                      const std::string& detail) override;
    void showControllerError(const std::string& line) override;
    // The receive ended: its held messages are shown unless it completed.
    Outcome ended(Outcome outcome);

  private:
    Prompter& inner_;
    std::vector<std::function<void(Prompter&)>> held_;
};

// The channel of a read of many parts. Each receive drains the line as its session starts, which
// takes the line's quiet time. After a receive that completed, every reply it asked for has come
// (each value with its trailing line), so the next receive's starting drain is passed over: a
// line that came unasked would not fit the next reply's shape and would end the read, said. Every
// other drain (the one after the version query) is made.
class SettledChannel : public Channel {
  public:
    explicit SettledChannel(Channel& inner) : inner_(inner) {}
    std::string request(const std::string& command) override {
        settled_ = false;
        return inner_.request(command);
    }
    std::string next() override {
        settled_ = false;
        return inner_.next();
    }
    void drain() override {
        if (!settled_) inner_.drain();
        settled_ = false;
    }
    // A receive completed: the line holds nothing more for it.
    void settle() { settled_ = true; }

  private:
    Channel& inner_;
    bool settled_ = false;
};

// Receives in turn on `ctx`, quietly, until one does not complete.
class QuietReads {
  public:
    explicit QuietReads(ProcedureContext& ctx);
    // Runs `receive` unless an earlier one did not complete.
    QuietReads& then(const std::function<Outcome(ProcedureContext&)>& receive);
    Outcome outcome() const { return outcome_; }
    // The program number the last "@?NO" of a receive gave (shown as the context shows it);
    // "" before one.
    const std::string& programNo() const { return programNo_; }

  private:
    std::string programNo_;
    ReadPrompter prompter_;
    SettledChannel channel_;
    ProcedureContext read_;
    Outcome outcome_ = Outcome::Completed;
};

}  // namespace mivo
