#include "direct/direct_commands.h"

#include "direct/direct_rules.h"
#include "direct/shared_procedures.h"
#include "procedures/program_control.h"

namespace mivo {

namespace {

const char* const kGoQuestion = "GO move will be executed.  OK?";
const char* const kGoCaption = "GO move";

// The start of a command that needs the robot at origin: the origin check, then its question.
// Completed when the command goes on.
Outcome AtOriginAndConfirmed(DirectCycle& c, const char* question, const char* caption,
                             bool offlineOnLoss) {
    c.start();
    const Outcome origin = OriginCheck(c, offlineOnLoss);
    if (origin != Outcome::Completed) return origin;
    if (!c.confirm(question, caption)) return Outcome::Declined;
    c.start();
    return Outcome::Completed;
}

// A command that needs the robot at origin: the origin check, its question, then `command` as
// a motion answered "OK". `offlineOnLoss`: a lost line runs the offline routine.
Outcome CheckedMove(DirectSession& s, const char* question, const char* caption,
                    const std::function<std::string()>& command, bool offlineOnLoss) {
    DirectCycle c(s);
    const Outcome ready = AtOriginAndConfirmed(c, question, caption, offlineOnLoss);
    if (ready != Outcome::Completed) return ready;
    const std::string reply = c.motion(command());
    return ExpectOk(c, reply, offlineOnLoss);
}

// STOP and MSTOP: their cycle, then, when they ran inside another command's wait, the
// motor-stop request that ends that wait.
Outcome PanelCycle(DirectSession& s, const std::function<Outcome(DirectCycle&)>& body) {
    const bool inside = s.cyclesRunning() > 0;
    Outcome outcome;
    {
        DirectCycle c(s, true);
        c.start();
        outcome = body(c);
    }
    // A program stopped runs no cycle to its "END".
    s.runAbandoned();
    if (inside) s.raiseMotorStop();
    return outcome;
}

// The run's replies from the first, `line`, to its end. "@RUN" is answered at once: its "OK"
// and the line after it are owed within the reply limit; then the program runs as long as it
// takes. A stop or an error the controller reports (its own STOP input, the pendant, a soft
// limit) is shown, and the run has not run its course: its "END", if one follows, is awaited
// within the reply limit only, and the run ends as failed either way.
Outcome RunReplies(DirectCycle& c, std::string line) {
    DirectSession& s = c.session();
    bool failed = false;
    for (;;) {
        if (const auto o = c.cut()) return *o;
        switch (ReplyClass(line)) {
            case ReplyCode::Ok:
                // The line after it is taken unseen; the one after that is classified.
                c.trailing();
                if (const auto o = c.cut()) return *o;
                s.transfer().setDataExchange(false);  // the program runs as long as it takes
                line = c.next();
                continue;
            case ReplyCode::Ng:
            case ReplyCode::Emg:
                return ShowErrorLine(c);  // the error number
            case ReplyCode::Err:
            case ReplyCode::Mstop:
            case ReplyCode::Stop: {
                // The program did not run its course: its "END" times no cycle.
                s.runAbandoned();
                failed = true;
                const std::string error = c.next();
                if (const auto o = c.cut()) return *o;
                s.prompter().showControllerError(error);
                line = c.nextIfAny();
                // Nothing more came: the run ended there.
                if (line.empty() && s.timedOut()) return Outcome::Failed;
                s.transfer().setDataExchange(false);
                continue;
            }
            case ReplyCode::Cend:
                // The line that goes with it; the run goes on.
                if (const auto o = c.pass()) return *o;
                line = c.next();
                continue;
            case ReplyCode::End:
                if (!failed) s.runEnded();
                s.prompter().notify("END: Program operation end", "RUN execute");
                return failed ? Outcome::Failed : Outcome::Completed;
            case ReplyCode::Data:
                return Outcome::Failed;
        }
    }
}

}  // namespace

Outcome ReturnToOriginDirect(DirectSession& s) {
    DirectCycle c(s);
    if (!c.confirm("Return-to-origin will be executed.  OK?", "Return to origin"))
        return Outcome::Declined;
    c.start();
    if (SendOrigin(s.context())) return Outcome::Completed;
    if (const auto o = c.cut()) return *o;
    return Outcome::Failed;
}

Outcome RunProgram(DirectSession& s) {
    DirectCycle c(s);
    c.start();
    s.transfer().setDataExchange(true);
    const Outcome start = ConfirmProgramStart(s.context(), RunQuestion);
    if (start != Outcome::Completed) {
        if (const auto o = c.cut()) return *o;
        return start;
    }
    DirectView& v = s.view();
    s.clearRequests();
    for (EnableSet set :
         {EnableSet::CancelPanel, EnableSet::CommandControls, EnableSet::MonitorControls})
        v.enable(set, true);
    v.enable(EnableSet::JogButtons, false);
    // The cycle is timed from "@RUN" on the line; its first reply comes at once.
    const auto started = [&s] { s.runStarted(); };
    const std::string first = c.query("@RUN", started);
    // While the monitor runs it takes over the run's further lines (its "END" among them);
    // a refused run is shown here.
    if (s.state.monitoring && ReplyClass(first) == ReplyCode::Ok && !c.cut()) {
        s.keepInputOnRestart();
        c.handOver();
        return Outcome::Completed;
    }
    const Outcome outcome = RunReplies(c, first);
    if (outcome != Outcome::Completed) s.runAbandoned();
    return outcome;
}

Outcome RunStep(DirectSession& s) {
    DirectCycle c(s);
    const Outcome ready =
        AtOriginAndConfirmed(c, "Step will be executed.  OK?", "Step execute", false);
    if (ready != Outcome::Completed) return ready;
    const std::string reply = c.motion("@SRUN");
    if (const auto o = c.cut()) return *o;
    switch (ReplyClass(reply)) {
        case ReplyCode::Ok:
        case ReplyCode::End:
            return Outcome::Completed;
        case ReplyCode::Cend:
            // The line that goes with it, then the trailing line.
            if (const auto o = c.pass(2)) return *o;
            return Outcome::Completed;
        default:
            ShowReplyError(c, reply);
            return Outcome::Failed;
    }
}

Outcome GoMove(DirectSession& s) {
    DirectCycle c(s);
    const Outcome ready = AtOriginAndConfirmed(c, kGoQuestion, kGoCaption, true);
    if (ready != Outcome::Completed) return ready;
    const std::string step = s.view().field(DirectField::GOTX);
    const std::string record = c.query("@READ STEP " + step);
    if (const auto o = c.cut()) return *o;
    if (ReplyClass(record) != ReplyCode::Data) {
        ShowReplyError(c, record);
        return Outcome::Failed;
    }
    const std::string trailing = c.next();
    if (const auto o = c.cut()) return *o;
    // A circle's record comes in two lines before its trailing line.
    if (MnemonicAt(record, "CIR") && ReplyClass(trailing) == ReplyCode::Data &&
        MnemonicAt(trailing, "CIR")) {
        if (const auto o = c.pass()) return *o;
    }
    const std::string reply = c.motion(GoCommand(record, step, s.view().field(DirectField::GOTX2)));
    return ExpectOk(c, reply);
}

Outcome PalletGoMove(DirectSession& s) {
    return CheckedMove(
        s, kGoQuestion, kGoCaption,
        [&s] {
            return "@PAL GO " + s.view().field(DirectField::Edit1) + "," +
                   s.view().field(DirectField::Edit2);
        },
        true);
}

Outcome ZiMove(DirectSession& s) {
    return CheckedMove(
        s, "ZI move will be executed.  OK?", "ZI move", [] { return std::string("@ZI"); }, true);
}

Outcome OffsetExecute(DirectSession& s) {
    DirectCycle c(s);
    if (!c.confirm("Is offset data write executed?", "Offset")) return Outcome::Declined;
    c.start();
    const std::string reply = c.query("@OFF");
    return ExpectOk(c, reply);
}

Outcome StopPanel(DirectSession& s) {
    return PanelCycle(s, [&s](DirectCycle& c) {
        const std::string reply = c.stop("@STOP");
        if (const auto o = c.cut()) return *o;
        switch (ReplyClass(reply)) {
            case ReplyCode::Ok:  // nothing was under way
                return Outcome::Completed;
            case ReplyCode::Cend:
                if (const auto o = c.pass(3)) return *o;
                return Outcome::Completed;
            case ReplyCode::Stop:
                s.state.jogReleased = true;
                if (const auto o = c.pass()) return *o;  // the stop's error line
                return ReadPositions(c);
            default:
                ShowReplyError(c, reply);
                return Outcome::Failed;
        }
    });
}

Outcome MotorStopPanel(DirectSession& s) {
    return PanelCycle(s, [&s](DirectCycle& c) {
        const std::string reply = c.stop("@MSTOP");
        if (const auto o = c.cut()) return *o;
        switch (ReplyClass(reply)) {
            case ReplyCode::Mstop:
                if (c.next().empty()) s.view().append("64:Motor free");
                return Outcome::Completed;
            // The answers of the "@STOP" sent when "@MSTOP" had none.
            case ReplyCode::Ok:
                return Outcome::Completed;
            case ReplyCode::Stop:
                if (const auto o = c.pass()) return *o;  // the stop's error line
                return Outcome::Completed;
            default:
                ShowReplyError(c, reply);
                return Outcome::Failed;
        }
    });
}

void CancelPanel(DirectSession& s) {
    DirectView& v = s.view();
    EndMonitor(s);
    v.enable(EnableSet::CancelPanel, false);
    v.showLine(false);
    OfflineRoutine(s);
}

}  // namespace mivo
