#include "direct/maintenance_commands.h"

#include "common/said_text.h"
#include "direct/direct_rules.h"
#include "direct/shared_procedures.h"
#include "link/reply_class.h"
#include "procedures/program_control.h"
#include "procedures/reply_rules.h"

namespace mivo {

namespace {

const char* const kCounterCaption = UI_TEXT("Message", "Counter initialize");
const char* const kStepCaption = UI_TEXT("Message", "Step initialize");

// A command with its question, answered "OK".
Outcome Confirmed(DirectSession& s, const char* question, const char* caption,
                  const std::string& command) {
    DirectCycle c(s);
    if (!c.confirm(question, caption)) return Outcome::Declined;
    c.start();
    return ExpectOk(c, c.exchange(command), command);
}

// A query answered with a data value of `shape`; `into` receives it.
Outcome Asked(DirectSession& s, const std::string& command, ValueShape shape,
              std::optional<DirectField> into = std::nullopt) {
    DirectCycle c(s);
    c.start();
    const QueryReply r = Query(c, command, shape);
    if (r.outcome == Outcome::Completed && into) s.view().setField(*into, r.value);
    return r.outcome;
}

// INIT PGM and INIT PGM ALL from their question on: the step editor's changed data are offered
// for saving before it (Cancel sends nothing); on "OK" the step editor empties as the
// controller's programs did.
Outcome ProgramsEmptied(DirectCycle& c, const std::string& question, const std::string& command) {
    DirectSession& s = c.session();
    if (!s.view().offerToSaveSteps() || !c.confirm(question, kStepCaption))
        return Outcome::Declined;
    c.start();
    const Outcome o = ExpectOk(c, c.exchange(command), command);
    if (o == Outcome::Completed) s.view().resetStepEditor();
    return o;
}

}  // namespace

Outcome InitCounter(DirectSession& s) {
    return Confirmed(s, UI_TEXT("Message", "Pallet counter will be initialized.  OK?"),
                     kCounterCaption, "@INIT C " + s.view().field(DirectField::CounterToClear));
}

Outcome InitAllCounters(DirectSession& s) {
    return Confirmed(s, UI_TEXT("Message", "All pallet counters will be initialized.  OK?"),
                     kCounterCaption, "@INIT C ALL");
}

Outcome InitProgram(DirectSession& s) {
    DirectCycle c(s);
    c.start();
    const ProgramNo pgm = QueryProgramNo(s.context());
    if (!pgm.ok) {
        if (const auto o = c.cut(c.lastLineExchange(), "@?NO")) return *o;
        return Outcome::Failed;
    }
    if (ProgramIndex(pgm.number) < 0) {
        s.prompter().notify(UI_TEXT("Message", "Check PGM No."), kStepCaption);
        return Outcome::Failed;
    }
    return ProgramsEmptied(c, InitProgramQuestion(pgm.number), "@INIT PGM");
}

Outcome InitAllPrograms(DirectSession& s) {
    DirectCycle c(s);
    return ProgramsEmptied(c, UI_TEXT("Message", "All steps will be initialized.  OK?"),
                           "@INIT PGM ALL");
}

Outcome InitErrors(DirectSession& s) {
    return Confirmed(s, UI_TEXT("Message", "Error record will be deleted.  OK?"),
                     UI_TEXT("Message", "Error record delete"), "@INIT ERR");
}

Outcome QueryStepNo(DirectSession& s) {
    return Asked(s, "@?SNO", ValueShape::StepNumber, DirectField::Step);
}

Outcome QueryProgramNumber(DirectSession& s) { return Asked(s, "@?NO", ValueShape::Digit); }

Outcome QueryPositions(DirectSession& s) {
    DirectCycle c(s);
    c.start();
    const QueryReply r = Query(c, "@?POS 0", ValueShape::Numbers);
    if (r.outcome != Outcome::Completed) return r.outcome;
    return ReadPositions(c);
}

Outcome QueryOrigin(DirectSession& s) { return Asked(s, "@?ORG", ValueShape::Digit); }

Outcome QueryCounter(DirectSession& s) {
    return Asked(s, "@?C " + s.view().field(DirectField::CounterToRead), ValueShape::Numbers);
}

Outcome QueryRelease(DirectSession& s) {
    DirectCycle c(s);
    if (!c.confirm(UI_TEXT("Message", "Is release No. acquired?"),
                   UI_TEXT("Message", "Release No.")))
        return Outcome::Declined;
    c.start();
    return Query(c, "@?REL", ValueShape::Word).outcome;
}

Outcome MemoryCheck(DirectSession& s) {
    DirectCycle c(s);
    if (!c.confirm(UI_TEXT("Message", "Is memory check executed?"),
                   UI_TEXT("Message", "Memory check")))
        return Outcome::Declined;
    c.start();
    const Answer a = c.exchange("@MOMCH");
    if (const auto o = c.cut(a, "@MOMCH")) return *o;
    if (a.end == AnswerEnd::Answered) return Outcome::Completed;
    // The check's error: a line in a bank's place, or the line of a status word after them.
    if (!a.lines.empty() && !a.lines.back().empty())
        s.prompter().showControllerError(a.lines.back());
    return Outcome::Failed;
}

Outcome ReadAxisPositions(DirectSession& s) {
    DirectCycle c(s);
    c.start();
    return ReadPositions(c);
}

void PrepareParameterInit(DirectSession& s) {
    s.channel().drain();
    s.transfer().setCancelTexts(UI_TEXT("Message", "Transferring"), UI_TEXT("Message", "Cancel"));
}

}  // namespace mivo
