#include "direct/shared_procedures.h"

#include "common/said_text.h"
#include "link/reply_class.h"
#include "procedures/program_control.h"

namespace mivo {

namespace {

const char* const kMonitorEnded = UI_TEXT("Message", "Monitor is ended");
const char* const kMonitorCaption = UI_TEXT("Message", "Monitor receive");

}  // namespace

void EnableAll(DirectView& v, bool on) {
    for (EnableSet set : {EnableSet::CancelPanel, EnableSet::StopPanels, EnableSet::IoPanels,
                          EnableSet::CommandControls, EnableSet::MonitorControls})
        v.enable(set, on);
}

void ShowReplyError(DirectCycle& cycle, const Answer& a) {
    cycle.session().prompter().showControllerError(ErrorLineOf(a));
}

Outcome ShowErrorLine(DirectCycle& cycle, const Answer& a) {
    const std::string line = a.lines.size() >= 2 ? a.lines[1] : "";
    if (!line.empty()) cycle.session().prompter().showControllerError(line);
    return Outcome::Failed;
}

QueryReply Query(DirectCycle& cycle, const std::string& command, ValueShape shape,
                 bool offlineOnLoss) {
    const Answer a = cycle.exchange(command, {}, true,
                                    [shape](const std::string& l) { return FitsShape(l, shape); });
    if (const auto o = cycle.cut(a, command, offlineOnLoss)) return {*o, {}};
    if (a.end == AnswerEnd::Failed) {
        ShowReplyError(cycle, a);
        return {Outcome::Failed, {}};
    }
    // The value is the line before its "OK" (a position read again comes after its notice).
    const std::string value = a.lines.size() >= 2 ? a.lines[a.lines.size() - 2] : "";
    if (!FitsShape(value, shape)) {
        ShowUnfitReply(cycle.session().context(), command, value);
        return {Outcome::Failed, {}};
    }
    return {Outcome::Completed, value};
}

Outcome ExpectOk(DirectCycle& cycle, const Answer& a, const std::string& command,
                 bool offlineOnLoss) {
    if (const auto o = cycle.cut(a, command, offlineOnLoss)) return *o;
    if (a.end == AnswerEnd::Answered && ReplyClass(FirstLine(a)) == ReplyCode::Ok)
        return Outcome::Completed;
    ShowReplyError(cycle, a);
    return Outcome::Failed;
}

Outcome ReadPositions(DirectCycle& cycle) {
    static const DirectField kFields[] = {DirectField::XPosition, DirectField::YPosition,
                                          DirectField::ZPosition, DirectField::RPosition};
    DirectSession& s = cycle.session();
    for (int n = 1; n <= 4; ++n) {
        const std::string command = "@?POS " + std::to_string(n);
        const Answer a = cycle.exchange(command, {}, true, [](const std::string& l) {
            return FitsShape(l, ValueShape::Number);
        });
        if (const auto o = cycle.cut(a, command, true)) return *o;
        if (a.end == AnswerEnd::Failed) return Outcome::Failed;
        const std::string value = a.lines[a.lines.size() - 2];
        if (!FitsShape(value, ValueShape::Number)) {
            ShowUnfitReply(s.context(), command, value);
            return Outcome::Failed;
        }
        s.view().setField(kFields[n - 1], value);
    }
    return Outcome::Completed;
}

Outcome StopAndReadPositions(DirectCycle& cycle, Outcome nothingMoved) {
    const Answer a = cycle.stop("@STOP");
    if (const auto o = cycle.cut(a, "@STOP")) return *o;
    if (a.end == AnswerEnd::Failed) {
        ShowReplyError(cycle, a);
        return Outcome::Failed;
    }
    switch (ReplyClass(FirstLine(a))) {
        case ReplyCode::Stop:
            cycle.session().state.jogReleased = true;
            return ReadPositions(cycle);
        case ReplyCode::Ok:
            return nothingMoved;
        default:  // "CEND" and its three lines
            return Outcome::Completed;
    }
}

Outcome OriginCheck(DirectCycle& cycle, bool offlineOnLoss) {
    DirectSession& s = cycle.session();
    const Outcome o = CheckOrigin(s.context());
    if (o == Outcome::Completed) return o;
    if (const auto c = cycle.cut(cycle.lastLineExchange(), "@?ORG", offlineOnLoss)) return *c;
    return o;
}

void OfflineRoutine(DirectSession& session) {
    DirectView& v = session.view();
    for (EnableSet set : {EnableSet::StopPanels, EnableSet::CancelPanel, EnableSet::IoPanels,
                          EnableSet::CommandControls, EnableSet::MonitorButton})
        v.enable(set, false);
    v.showIoUnknown();
    session.runEndedBy(RunResult::LineLost, "the line went off");  // its "END" cannot come
    const bool wasMonitoring = session.state.monitoring;
    session.state.monitoring = false;
    v.showMonitoring(false);
    session.channel().close();
    session.transfer().setCancelRequested(false);
    v.showLine(false);
    // After a stop left unconfirmed its message is the one to read; the monitor's button says
    // that it ended.
    if (wasMonitoring && !session.state.stopUnconfirmed)
        session.prompter().notify(kMonitorEnded, kMonitorCaption);
}

void EndMonitor(DirectSession& session) {
    if (!session.state.monitoring) return;
    session.state.monitoring = false;
    session.view().showMonitoring(false);
    session.prompter().notify(kMonitorEnded, kMonitorCaption);
}

void LineWentOnline(DirectSession& session) {
    EnableAll(session.view(), true);
    session.transfer().setCancelRequested(false);
    session.view().showLine(true);
}

void LineWentOffline(DirectSession& session) {
    DirectView& v = session.view();
    EndMonitor(session);
    session.runEndedBy(RunResult::LineLost, "the line went off");
    EnableAll(v, false);
    v.showIoUnknown();
    v.showLine(false);
}

Outcome RunOnDirectDisplay(DirectSession& session,
                           const std::function<Outcome(ProcedureContext&)>& procedure) {
    return procedure(session.context());
}

}  // namespace mivo
