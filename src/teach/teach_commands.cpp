#include "teach/teach_commands.h"

#include "common/said_text.h"
#include "direct/jog.h"
#include "direct/shared_procedures.h"
#include "link/reply_class.h"

namespace mivo {

namespace {

// "OK" reads the positions; no reply takes the line off; another class shows its error line.
Outcome MovedThenRead(DirectCycle& c, const std::string& command) {
    const Answer a = c.exchange(command);
    if (const auto o = c.cut(a, command, true)) return *o;
    if (a.end == AnswerEnd::Answered && ReplyClass(FirstLine(a)) == ReplyCode::Ok)
        return ReadPositions(c);
    return ShowErrorLine(c, a);
}

}  // namespace

Outcome TeachReturnToOrigin(DirectSession& s) {
    DirectCycle c(s);
    const JogStyle style = TeachJogStyle();
    if (!c.confirm(style.originQuestion, style.originCaption)) return Outcome::Declined;
    c.start();
    return MovedThenRead(c, "@ORG");
}

Outcome TeachGoMove(DirectSession& s, const std::string& command) {
    DirectCycle c(s);
    if (command.empty() ||
        !c.confirm(UI_TEXT("Message", "GO move?"), UI_TEXT("Message", "GO move")))
        return Outcome::Declined;
    c.start();
    const Outcome origin = JogOriginCheck(c, TeachJogStyle());
    if (origin != Outcome::Completed) return origin;
    return MovedThenRead(c, command);
}

Outcome TeachOffsetOk(DirectSession& s, bool lineUsable, OffsetReadBack& out) {
    if (!lineUsable) {
        s.prompter().notify(UI_TEXT("Message", "@OFF command cannot be sent"),
                            UI_TEXT("Message", "Offline"));
        return Outcome::Failed;
    }
    DirectCycle c(s);
    if (!c.confirm(UI_TEXT("Message", "@OFF command will be sent. OK?"),
                   UI_TEXT("Message", "Offline")))
        return Outcome::Declined;
    c.start();
    return SendOffsetAndReadBack(s.context(), out);
}

}  // namespace mivo
