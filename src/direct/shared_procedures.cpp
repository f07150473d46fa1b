#include "direct/shared_procedures.h"

#include "link/reply_class.h"
#include "procedures/program_control.h"

namespace mivo {

namespace {

const char* const kMonitorEnded = "Monitor is ended";
const char* const kMonitorCaption = "Monitor receive";

}  // namespace

void EnableAll(DirectView& v, bool on) {
    for (EnableSet set : {EnableSet::CancelPanel, EnableSet::StopPanels, EnableSet::IoPanels,
                          EnableSet::CommandControls, EnableSet::MonitorControls})
        v.enable(set, on);
}

void ShowReplyError(DirectCycle& cycle, const std::string& reply) {
    ShowRefusal(cycle.session().context(), reply);
}

Outcome ShowErrorLine(DirectCycle& cycle) {
    const std::string line = cycle.next();
    if (const auto o = cycle.cut()) return *o;
    if (!line.empty()) cycle.session().prompter().showControllerError(line);
    return Outcome::Failed;
}

QueryReply Query(DirectCycle& cycle, const std::string& command, ValueShape shape,
                 bool offlineOnLoss) {
    const std::string reply = cycle.query(command);
    if (const auto o = cycle.cut(offlineOnLoss)) return {*o, {}};
    if (ReplyClass(reply) != ReplyCode::Data) {
        ShowReplyError(cycle, reply);
        return {Outcome::Failed, {}};
    }
    if (!FitsShape(reply, shape)) {
        ShowUnfitReply(cycle.session().context(), command, reply);
        return {Outcome::Failed, {}};
    }
    if (!cycle.valueConfirmed(command, reply)) {
        if (const auto o = cycle.cut(offlineOnLoss)) return {*o, {}};
        return {Outcome::Failed, {}};
    }
    return {Outcome::Completed, reply};
}

Outcome ExpectOk(DirectCycle& cycle, const std::string& reply, bool offlineOnLoss) {
    if (const auto o = cycle.cut(offlineOnLoss)) return *o;
    if (ReplyClass(reply) == ReplyCode::Ok) return Outcome::Completed;
    ShowReplyError(cycle, reply);
    return Outcome::Failed;
}

Outcome ReadPositions(DirectCycle& cycle) {
    static const DirectField kFields[] = {DirectField::Xposi, DirectField::Yposi,
                                          DirectField::Zposi, DirectField::Rposi};
    DirectSession& s = cycle.session();
    for (int n = 1; n <= 4; ++n) {
        const std::string command = "@?POS " + std::to_string(n);
        const std::string reply = cycle.query(command);
        if (const auto o = cycle.cut(true)) return *o;
        if (ReplyClass(reply) != ReplyCode::Data) return Outcome::Failed;
        if (!FitsShape(reply, ValueShape::Number)) {
            ShowUnfitReply(s.context(), command, reply);
            return Outcome::Failed;
        }
        if (!cycle.valueConfirmed(command, reply)) {
            if (const auto o = cycle.cut(true)) return *o;
            return Outcome::Failed;
        }
        s.view().setField(kFields[n - 1], reply);
    }
    return Outcome::Completed;
}

Outcome OriginCheck(DirectCycle& cycle, bool offlineOnLoss) {
    DirectSession& s = cycle.session();
    s.transfer().setDataExchange(true);
    const Outcome o = CheckOrigin(s.context());
    if (o == Outcome::Completed) return o;
    if (const auto c = cycle.cut(offlineOnLoss)) return *c;
    return o;
}

void OfflineRoutine(DirectSession& session) {
    DirectView& v = session.view();
    for (EnableSet set : {EnableSet::StopPanels, EnableSet::CancelPanel, EnableSet::IoPanels,
                          EnableSet::CommandControls, EnableSet::MonitorButton})
        v.enable(set, false);
    v.showIoUnknown();
    session.runAbandoned();  // its "END" cannot come
    const bool wasMonitoring = session.state.monitoring;
    session.state.monitoring = false;
    v.showMonitoring(false);
    session.channel().close();
    session.clearRequests();
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
    session.runAbandoned();
    EnableAll(v, false);
    v.showIoUnknown();
    v.showLine(false);
}

Outcome RunOnDirectDisplay(DirectSession& session,
                           const std::function<Outcome(ProcedureContext&)>& procedure) {
    return procedure(session.context());
}

}  // namespace mivo
