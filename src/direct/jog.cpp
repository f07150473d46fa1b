#include "direct/jog.h"

#include <utility>

#include "common/said_text.h"
#include "direct/shared_procedures.h"
#include "link/reply_class.h"
#include "procedures/program_control.h"

namespace mivo {

namespace {

// Steps 3 and 4 of a cycle; in modes 2 and 3 the command controls come back at once, so that
// the pressed button stays live and its release is seen.
void StartPress(DirectCycle& c, int mode) {
    c.start();
    if (mode != 1) c.session().view().enable(EnableSet::CommandControls, true);
}

// "NG" to a jog, with its error number. The direct screen does not show one beginning with
// "03"; the teaching screen shows it and reads the positions then.
Outcome ShowJogRefusal(DirectCycle& c, const Answer& a, bool teaching) {
    const std::string number = ErrorLineOf(a);
    const bool ready = number.rfind("03", 0) == 0;
    if (!number.empty() && (teaching || !ready)) c.session().prompter().showControllerError(number);
    if (teaching && ready) ReadPositions(c);
    return Outcome::Failed;
}

// The controls a jog gives back when it ends by the controller's word; the command ends here.
Outcome ControlsBack(DirectCycle& c) {
    DirectView& v = c.session().view();
    for (EnableSet set :
         {EnableSet::CommandControls, EnableSet::CancelPanel, EnableSet::StopPanels})
        v.enable(set, true);
    c.skipEndSteps();
    return Outcome::Interrupted;
}

// A jog's answer: "OK" (a mode-1 move done) reads the positions; "NG" and its number refuse it;
// "STOP" and its line (stopped from elsewhere) give the controls back.
Outcome JogAnswered(DirectCycle& c, const Answer& a, const JogStyle& style) {
    const ReplyCode code = ReplyClass(FirstLine(a));
    if (a.end == AnswerEnd::Answered && code == ReplyCode::Ok) return ReadPositions(c);
    if (code == ReplyCode::Ng) return ShowJogRefusal(c, a, style.teaching);
    if (code == ReplyCode::Stop) return ControlsBack(c);
    if (style.teaching) return code == ReplyCode::End ? ControlsBack(c) : ShowErrorLine(c, a);
    ShowReplyError(c, a);
    if (style.offlineOnOddReply) c.goOffline();
    return Outcome::Failed;
}

}  // namespace

std::optional<JogAxis> JogAxisNamed(const std::string& caption) {
    if (caption.size() != 2 || std::string("XYZR").find(caption[0]) == std::string::npos ||
        (caption[1] != '+' && caption[1] != '-'))
        return std::nullopt;
    return JogAxis{caption[0], caption[1]};
}

std::string JogCommand(JogAxis jog, int mode) {
    return std::string("@") + jog.axis + std::to_string(mode) + jog.sign;
}

Outcome JogOriginCheck(DirectCycle& c, const JogStyle& style) {
    DirectSession& s = c.session();
    const QueryReply org = Query(c, "@?ORG", ValueShape::Digit);
    if (org.outcome != Outcome::Completed) return org.outcome;
    if (org.value == "1") return Outcome::Completed;
    if (!s.prompter().ask(style.originQuestion, style.originCaption)) return Outcome::Declined;
    if (const Outcome o = ExpectOk(c, c.exchange("@ORG"), "@ORG"); o != Outcome::Completed)
        return o;
    // The press ends here: no jog after a return to origin.
    if (style.positionsAfterOrigin) ReadPositions(c);
    return Outcome::Declined;
}

JogStyle DirectJogStyle(JogAxis jog) {
    const bool xPlus = jog.axis == 'X' && jog.sign == '+';
    JogStyle style;
    style.positionsAfterOrigin = xPlus;
    style.offlineOnOddReply = !xPlus;
    return style;
}

JogStyle TeachJogStyle() {
    JogStyle style;
    style.positionsAfterOrigin = true;
    style.offlineOnOddReply = false;
    style.originQuestion = UI_TEXT("Message", "Return-to-origin will be executed. OK?");
    style.originCaption = UI_TEXT("Message", "Return-to-origin");
    style.teaching = true;
    return style;
}

namespace {

// The press under way, from its cycle's start to its end.
class PressUnderWay {
  public:
    explicit PressUnderWay(DirectSession& s) : s_(s) { s_.state.pressing = true; }
    ~PressUnderWay() {
        s_.state.pressing = false;
        s_.state.jogUnderWay = false;
    }
    PressUnderWay(const PressUnderWay&) = delete;
    PressUnderWay& operator=(const PressUnderWay&) = delete;

  private:
    DirectSession& s_;
};

}  // namespace

Outcome JogPress(DirectSession& s, JogAxis jog, const JogStyle& style) {
    s.state.jogReleased = false;
    s.state.jogUnderWay = false;
    s.state.jogOnLine = false;
    DirectCycle c(s);
    const PressUnderWay pressing(s);
    StartPress(c, s.view().jogMode());
    const Outcome origin = JogOriginCheck(c, style);
    if (origin != Outcome::Completed) return origin;
    const int mode = s.view().jogMode();
    StartPress(c, mode);
    // Released before its jog went out: nothing moves.
    if (std::exchange(s.state.jogReleased, false)) return Outcome::Interrupted;
    // From here its release sends "@STOP": a jog not yet on the line when it does never goes.
    s.state.jogUnderWay = true;
    const std::string command = JogCommand(jog, mode);
    const Answer a = c.exchange(command, [&s] {
        s.state.jogOnLine = true;
        if (s.jogStarted) s.jogStarted();
    });
    s.state.jogUnderWay = false;
    // The release's stop ended it: the release's cycle gives the controls back.
    if (a.end == AnswerEnd::Stopped) {
        c.skipEndSteps();
        return Outcome::Interrupted;
    }
    if (const auto o = c.cut(a, command, mode == 1)) return *o;
    return JogAnswered(c, a, style);
}

Outcome JogRelease(DirectSession& s) {
    // The press sends no jog after its release.
    if (s.state.pressing) s.state.jogReleased = true;
    if (!s.state.jogUnderWay) return Outcome::Declined;
    DirectCycle c(s, true);
    c.start();
    // "OK": nothing was moving; no error, but no stop either.
    const Outcome o = StopAndReadPositions(c, Outcome::Failed);
    // The stop went out before the jog, which the engine then never sent: nothing moved.
    return s.state.jogOnLine ? o : Outcome::Declined;
}

Outcome JogActivate(DirectSession& s, JogAxis jog) {
    DirectCycle c(s);
    c.start();
    const Outcome origin = OriginCheck(c, true);
    if (origin != Outcome::Completed) return origin;
    c.start();
    const std::string command = JogCommand(jog, 1);
    const Answer a = c.exchange(command);
    if (const auto o = c.cut(a, command, true)) return *o;
    JogStyle style;
    return JogAnswered(c, a, style);
}

}  // namespace mivo
