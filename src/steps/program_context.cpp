#include "steps/program_context.h"

#include "link/reply_class.h"

namespace mivo {

std::string StepContext::send(const std::string& command) {
    std::string reply = channel.request(command);
    log.push_back(reply);
    return reply;
}

std::string StepContext::next() {
    std::string reply = channel.next();
    log.push_back(reply);
    return reply;
}

ProgramNo QueryProgramNo(StepContext& ctx) {
    const std::string reply = ctx.send("@?NO");
    if (reply.empty()) return {};
    const ReplyCode code = ReplyClass(reply);
    if (code == ReplyCode::Ok) return {true, ""};
    if (code != ReplyCode::Data) {
        ctx.prompter.showControllerError(ctx.next());
        return {};
    }
    if (reply.size() != 1) {
        ctx.prompter.showControllerError(reply);
        return {};
    }
    if (ctx.showProgramNo) ctx.showProgramNo(reply);
    const std::string status = ctx.next();
    if (ReplyClass(status) == ReplyCode::Ok) return {true, reply};
    ctx.prompter.showControllerError(status);
    if (status.compare(0, 2, "07") == 0) ctx.send("@");
    return {};
}

int ProgramIndex(const std::string& number) {
    if (number.size() != 1 || number[0] < '0' || number[0] > '5') return -1;
    return number[0] - '0';
}

TransferSession::TransferSession(StepContext& ctx, const std::string& label,
                                 const std::string& button, bool dataExchange)
    : ctx_(ctx) {
    ctx_.view.setCancelRequested(false);
    ctx_.view.setCancelTexts(label, button);
    ctx_.view.setDataExchange(dataExchange);
    ctx_.channel.drain();
    ctx_.view.showCancel();
}

TransferSession::~TransferSession() {
    ctx_.view.hideProgress();
    ctx_.view.hideCancel();
    ctx_.view.setDataExchange(false);
}

}  // namespace mivo
