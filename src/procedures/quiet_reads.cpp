#include "procedures/quiet_reads.h"

namespace mivo {

void ReadPrompter::notify(const std::string& text, const std::string& caption) {
    held_.push_back([=](Prompter& p) { p.notify(text, caption); });
}

void ReadPrompter::notifyDetail(const std::string& text, const std::string& caption,
                                const std::string& detail) {
    held_.push_back([=](Prompter& p) { p.notifyDetail(text, caption, detail); });
}

void ReadPrompter::showControllerError(const std::string& line) {
    held_.push_back([=](Prompter& p) { p.showControllerError(line); });
}

Outcome ReadPrompter::ended(Outcome outcome) {
    if (outcome != Outcome::Completed)
        for (const auto& message : held_) message(inner_);
    held_.clear();
    return outcome;
}

QuietReads::QuietReads(ProcedureContext& ctx)
    : prompter_(ctx.prompter),
      channel_(ctx.channel),
      read_{channel_,
            prompter_,
            ctx.view,
            ctx.log,
            [this, show = ctx.showProgramNo](const std::string& number) {
                programNo_ = number;
                if (show) show(number);
            },
            ctx.unseenTrailing} {}

QuietReads& QuietReads::then(const std::function<Outcome(ProcedureContext&)>& receive) {
    if (outcome_ != Outcome::Completed) return *this;
    outcome_ = prompter_.ended(receive(read_));
    if (outcome_ == Outcome::Completed) channel_.settle();
    return *this;
}

}  // namespace mivo
