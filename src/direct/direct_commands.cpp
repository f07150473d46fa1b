#include "direct/direct_commands.h"

#include "common/said_text.h"
#include "direct/direct_rules.h"
#include "direct/display_channel.h"
#include "direct/shared_procedures.h"
#include "link/reply_class.h"
#include "procedures/program_control.h"

namespace mivo {

namespace {

const char* const kGoQuestion = UI_TEXT("Message", "GO move will be executed.  OK?");
const char* const kGoCaption = UI_TEXT("Message", "GO move");

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
// a move answered "OK" once done. `offlineOnLoss`: a lost line runs the offline routine.
Outcome CheckedMove(DirectSession& s, const char* question, const char* caption,
                    const std::function<std::string()>& command, bool offlineOnLoss) {
    DirectCycle c(s);
    const Outcome ready = AtOriginAndConfirmed(c, question, caption, offlineOnLoss);
    if (ready != Outcome::Completed) return ready;
    const std::string text = command();
    return ExpectOk(c, c.exchange(text), text, offlineOnLoss);
}

// STOP and MSTOP: their cycle. The engine ends what the stop stopped: the command that waited
// for it hears so itself.
Outcome PanelCycle(DirectSession& s, RunResult stop,
                   const std::function<Outcome(DirectCycle&)>& body) {
    Outcome outcome;
    s.panelStop = stop;
    {
        DirectCycle c(s, true);
        c.start();
        outcome = body(c);
    }
    // A program stopped runs no cycle to its "END".
    s.runEndedBy(stop);
    return outcome;
}

// How a run's answer that has no "END" ended the run: a stop pressed here, the line, or the
// status word the controller reported and its line.
void RunEndedOtherwise(DirectSession& s, const Answer& a) {
    // "@RUN" answered by a status word in place of its "OK": no run began.
    if (!a.lines.empty() && IsStatusWord(ReplyClass(a.lines[0]))) {
        s.runRefused();
        return;
    }
    switch (a.end) {
        case AnswerEnd::Stopped:
            s.runEndedBy(s.panelStop);
            return;
        case AnswerEnd::Lost:
            s.runEndedBy(RunResult::LineLost, "the line went off");
            return;
        case AnswerEnd::TimedOut:
            s.runEndedBy(RunResult::LineLost, "no reply");
            return;
        case AnswerEnd::Unfit:
            // The line that fits no answer came last.
            s.runEndedBy(RunResult::LineLost,
                         "out of step: " + (a.lines.empty() ? std::string() : a.lines.back()));
            return;
        case AnswerEnd::Answered:
        case AnswerEnd::Failed:
            break;
    }
    for (const std::string& line : a.lines) {
        if (const auto result = RunEndedByReply(ReplyClass(line))) {
            s.runEndedBy(*result, ErrorLineOf(a));
            return;
        }
    }
    s.runEndedBy(RunResult::LineLost, "no END");
}

// What a run's end says: "END" after a run that ran its course times its cycle; a stop or an
// error the controller reported (its own STOP input, the pendant, a soft limit) is shown, and
// the run has not run its course. `notice`: "END" gives its notice (not beside the monitor,
// whose display shows it).
void RunEndShown(DirectSession& s, const Answer& a, bool notice) {
    const bool ended = ReplyClass(a.lines.empty() ? "" : a.lines.back()) == ReplyCode::End;
    if (a.end == AnswerEnd::Answered && ended)
        s.runEnded();
    else
        RunEndedOtherwise(s, a);
    if (a.end == AnswerEnd::Failed) s.prompter().showControllerError(ErrorLineOf(a));
    if (ended && notice)
        s.prompter().notify(UI_TEXT("Message", "END: Program operation end"),
                            UI_TEXT("Message", "RUN execute"));
}

}  // namespace

Outcome ReturnToOriginDirect(DirectSession& s) {
    DirectCycle c(s);
    if (!c.confirm(UI_TEXT("Message", "Return-to-origin will be executed.  OK?"),
                   UI_TEXT("Message", "Return to origin")))
        return Outcome::Declined;
    c.start();
    if (SendOrigin(s.context())) return Outcome::Completed;
    if (const auto o = c.cut(c.lastLineExchange(), "@ORG")) return *o;
    return Outcome::Failed;
}

Outcome RunProgram(DirectSession& s) {
    DirectCycle c(s);
    c.start();
    const Outcome start = ConfirmProgramStart(s.context(), RunQuestion);
    if (start != Outcome::Completed) {
        if (const auto o = c.cut(c.lastLineExchange(), "@?NO")) return *o;
        return start;
    }
    DirectView& v = s.view();
    for (EnableSet set :
         {EnableSet::CancelPanel, EnableSet::CommandControls, EnableSet::MonitorControls})
        v.enable(set, true);
    v.enable(EnableSet::JogButtons, false);
    // The cycle is timed from "@RUN" on the line.
    const auto started = [&s] { s.runStarted(); };
    // While the monitor runs, the run goes on beside it: the command's controls come back once
    // the run was accepted, and its end is shown when it comes.
    if (s.state.monitoring) {
        auto hooks = s.display().hooks("@RUN", true, started);
        // As the monitor shows them, its "OK" and "END" give the jog buttons back.
        hooks.line = [&v, show = std::move(hooks.line)](const std::string& l) {
            show(l);
            const ReplyCode code = ReplyClass(l);
            if (code == ReplyCode::Ok || code == ReplyCode::End)
                v.enable(EnableSet::JogButtons, true);
        };
        hooks.ended = [&s, &v](const Answer& a) {
            // Refused, or never accepted: said below.
            if (a.lines.empty() || ReplyClass(a.lines[0]) != ReplyCode::Ok) return;
            if (a.end == AnswerEnd::Lost) {
                RunEndedOtherwise(s, a);
                return;
            }
            RunEndShown(s, a, false);
            v.enable(EnableSet::JogButtons, true);
        };
        const std::string first = s.channel().request("@RUN", std::move(hooks));
        if (ReplyClass(first) == ReplyCode::Ok) {
            c.skipEndSteps();
            return Outcome::Completed;
        }
        const Answer refused{s.channel().lastEnd(), {first, s.channel().next()}};
        if (const auto o = c.cut(refused, "@RUN")) return *o;
        s.runRefused();
        ShowReplyError(c, refused);
        return Outcome::Failed;
    }
    const Answer a = c.exchange("@RUN", started);
    // A data line where its end was to come: out of step, the run is over for the screen.
    if (a.end == AnswerEnd::Unfit) {
        RunEndedOtherwise(s, a);
        return Outcome::Failed;
    }
    if (const auto o = c.cut(a, "@RUN")) {
        RunEndedOtherwise(s, a);
        return *o;
    }
    RunEndShown(s, a, true);
    return a.end == AnswerEnd::Answered ? Outcome::Completed : Outcome::Failed;
}

Outcome RunStep(DirectSession& s) {
    DirectCycle c(s);
    const Outcome ready = AtOriginAndConfirmed(c, UI_TEXT("Message", "Step will be executed.  OK?"),
                                               UI_TEXT("Message", "Step execute"), false);
    if (ready != Outcome::Completed) return ready;
    const Answer a = c.exchange("@SRUN");
    if (const auto o = c.cut(a, "@SRUN")) return *o;
    if (a.end == AnswerEnd::Answered) return Outcome::Completed;
    ShowReplyError(c, a);
    return Outcome::Failed;
}

Outcome GoMove(DirectSession& s) {
    DirectCycle c(s);
    const Outcome ready = AtOriginAndConfirmed(c, kGoQuestion, kGoCaption, true);
    if (ready != Outcome::Completed) return ready;
    const std::string step = s.view().field(DirectField::GoStep);
    const std::string read = "@READ STEP " + step;
    const Answer record = c.exchange(read);
    if (const auto o = c.cut(record, read)) return *o;
    if (record.end == AnswerEnd::Failed) {
        ShowReplyError(c, record);
        return Outcome::Failed;
    }
    const std::string command =
        GoCommand(FirstLine(record), step, s.view().field(DirectField::GoPoint));
    return ExpectOk(c, c.exchange(command), command);
}

Outcome PalletGoMove(DirectSession& s) {
    return CheckedMove(
        s, kGoQuestion, kGoCaption,
        [&s] {
            return "@PAL GO " + s.view().field(DirectField::PalletNumber) + "," +
                   s.view().field(DirectField::PalletPoint);
        },
        true);
}

Outcome ZiMove(DirectSession& s) {
    return CheckedMove(
        s, UI_TEXT("Message", "ZI move will be executed.  OK?"), UI_TEXT("Message", "ZI move"),
        [] { return std::string("@ZI"); }, true);
}

Outcome OffsetExecute(DirectSession& s) {
    DirectCycle c(s);
    if (!c.confirm(UI_TEXT("Message", "Is offset data write executed?"),
                   UI_TEXT("Message", "Offset")))
        return Outcome::Declined;
    c.start();
    return ExpectOk(c, c.exchange("@OFF"), "@OFF");
}

Outcome StopPanel(DirectSession& s) {
    return PanelCycle(s, RunResult::Stop,
                      [](DirectCycle& c) { return StopAndReadPositions(c, Outcome::Completed); });
}

Outcome MotorStopPanel(DirectSession& s) {
    return PanelCycle(s, RunResult::MotorStop, [&s](DirectCycle& c) {
        const Answer a = c.stop("@MSTOP");
        if (const auto o = c.cut(a, "@MSTOP")) return *o;
        if (a.end == AnswerEnd::Failed) {
            ShowReplyError(c, a);
            return Outcome::Failed;
        }
        // "MSTOP" and an empty line: the motors were freed.
        if (ReplyClass(FirstLine(a)) == ReplyCode::Mstop && a.lines.size() == 2 &&
            a.lines[1].empty())
            s.view().append("64:Motor free");
        return Outcome::Completed;
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
