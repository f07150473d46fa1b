#include "parameters/parameter_initialize.h"

#include "common/said_text.h"
#include "link/reply_class.h"
#include "parameters/parameter_rules.h"
#include "parameters/parameter_transfer.h"
#include "procedures/reply_rules.h"
#include "procedures/transfer_session.h"

namespace mivo {

namespace {

const char* const kCaption = UI_TEXT("Message", "Parameter initialize");

// Hands every command and reply to a log besides passing them on.
class EchoChannel : public Channel {
  public:
    EchoChannel(Channel& inner, const std::function<void(const std::string&)>& log)
        : inner_(inner), log_(log) {}
    std::string request(const std::string& command) override {
        log_(command);
        return echoed(inner_.request(command));
    }
    std::string next() override { return echoed(inner_.next()); }
    void drain() override { inner_.drain(); }

  private:
    std::string echoed(std::string reply) {
        log_(reply);
        return reply;
    }
    Channel& inner_;
    const std::function<void(const std::string&)>& log_;
};

Outcome Initialize(ProcedureContext& ctx, const ParameterTarget& target, int robotNumber) {
    TransferSession session(ctx, SessionKind::DataExchange);
    const std::string reply = ctx.send("@INIT PRM " + std::to_string(robotNumber));
    if (reply.empty()) return Outcome::Failed;
    if (ReplyClass(reply) != ReplyCode::Ok) {
        ShowRefusal(ctx, reply);
        return Outcome::Failed;
    }
    const std::optional<std::string> version = QueryTransferVersion(ctx);
    if (!version) return Outcome::Failed;
    const int count = TransferCount(*version);
    // Cancel stops the read-back between two parameters, as it stops the other transfers.
    const MemoryTexts texts{.caption = kCaption,
                            .interrupted = UI_TEXT("Message", "Initialize is interrupted")};
    const Outcome read =
        ReadMemory(ctx, TransferItems(target.table, 0, count), texts, StoreReadValue(target));
    if (read != Outcome::Completed) return read;
    if (!FinishRead(ctx, target, count, kCaption)) return Outcome::Failed;
    ctx.prompter.notify(UI_TEXT("Message", "Parameter initialize is completed"), kCaption);
    return Outcome::Completed;
}

}  // namespace

Outcome InitializeParameters(ProcedureContext& ctx, const ParameterTarget& target, int robotNumber,
                             const std::function<void(const std::string&)>& extraLog) {
    if (!extraLog) return Initialize(ctx, target, robotNumber);
    EchoChannel echo(ctx.channel, extraLog);
    ProcedureContext echoed{echo, ctx.prompter, ctx.view, ctx.log, ctx.showProgramNo};
    return Initialize(echoed, target, robotNumber);
}

}  // namespace mivo
