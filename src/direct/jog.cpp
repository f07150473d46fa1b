#include "direct/jog.h"

#include "direct/shared_procedures.h"
#include "procedures/program_control.h"

namespace mivo {

namespace {

// Steps 3 and 4 of a cycle; in modes 2 and 3 the command controls come back at once, so that
// the pressed button stays live and its release is seen.
void StartPress(DirectCycle& c, int mode) {
    c.start();
    if (mode != 1) c.session().view().enable(EnableSet::CommandControls, true);
}

// "NG" to a jog: its error number follows. The direct screen does not show one beginning with
// "03"; the teaching screen shows it and reads the positions then.
Outcome ShowJogRefusal(DirectCycle& c, bool teaching) {
    const std::string number = c.next();
    if (const auto o = c.cut()) return *o;
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
    c.handOver();
    return Outcome::Interrupted;
}

// "STOP" to a jog: its line follows; the controls come back and the command ends here.
Outcome JogStopped(DirectCycle& c) {
    if (const auto o = c.pass()) return *o;
    return ControlsBack(c);
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
    const std::string org = c.query("@?ORG");
    if (const auto o = c.cut()) return *o;
    if (ReplyClass(org) != ReplyCode::Data) {
        ShowReplyError(c, org);
        return Outcome::Failed;
    }
    if (!FitsShape(org, ValueShape::Digit)) {
        ShowUnfitReply(s.context(), "@?ORG", org);
        return Outcome::Failed;
    }
    if (!c.valueConfirmed("@?ORG", org)) {
        if (const auto o = c.cut()) return *o;
        return Outcome::Failed;
    }
    if (org == "1") return Outcome::Completed;
    if (!s.prompter().ask(style.originQuestion, style.originCaption)) return Outcome::Declined;
    const std::string reply = c.motion("@ORG");
    if (const Outcome o = ExpectOk(c, reply); o != Outcome::Completed) return o;
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
    style.originQuestion = "Return-to-origin will be executed. OK?";
    style.originCaption = "Return-to-origin";
    style.teaching = true;
    return style;
}

namespace {

// The press under way, from its cycle's start to its end.
class PressUnderWay {
  public:
    explicit PressUnderWay(DirectSession& s) : s_(s) { s_.state.pressCycle = s.cyclesRunning(); }
    ~PressUnderWay() { s_.state.pressCycle = 0; }
    PressUnderWay(const PressUnderWay&) = delete;
    PressUnderWay& operator=(const PressUnderWay&) = delete;

  private:
    DirectSession& s_;
};

}  // namespace

Outcome JogPress(DirectSession& s, JogAxis jog, const JogStyle& style) {
    s.state.jogReleased = false;
    s.state.jogUnderWay = false;
    DirectCycle c(s);
    const PressUnderWay pressing(s);
    StartPress(c, s.view().jogMode());
    const Outcome origin = JogOriginCheck(c, style);
    if (origin != Outcome::Completed) return origin;
    if (s.state.jogReleased) {
        s.state.jogReleased = false;
        return Outcome::Interrupted;
    }
    const int mode = s.view().jogMode();
    StartPress(c, mode);
    if (s.state.jogReleased) {
        s.state.jogReleased = false;
        return Outcome::Interrupted;
    }
    const std::string reply = c.motion(JogCommand(jog, mode), [&s] { s.state.jogUnderWay = true; });
    if (const auto o = c.cut()) return *o;
    switch (ReplyClass(reply)) {
        case ReplyCode::Ok:
            s.state.jogUnderWay = false;
            return ReadPositions(c);
        case ReplyCode::Ng:
            // Refused: nothing moves, and its release has nothing to stop.
            s.state.jogUnderWay = false;
            return ShowJogRefusal(c, style.teaching);
        case ReplyCode::Stop:
            s.state.jogUnderWay = false;
            return JogStopped(c);
        case ReplyCode::End:
            if (style.teaching) return ControlsBack(c);
            [[fallthrough]];
        default:
            if (style.teaching) return ShowErrorLine(c);
            ShowReplyError(c, reply);
            if (style.offlineOnOddReply) c.goOffline();
            return Outcome::Failed;
    }
}

Outcome JogRelease(DirectSession& s) {
    const int press = s.state.pressCycle;
    // The press sends no jog after its release.
    if (press > 0) s.state.jogReleased = true;
    if (!s.state.jogUnderWay) return Outcome::Declined;
    const bool pressWaits = press > 0 && s.waitingCycle() == press;
    Outcome outcome = Outcome::Completed;
    {
        DirectCycle c(s, true);
        c.start();
        const std::string reply = c.stop("@STOP");
        if (const auto o = c.cut()) {
            outcome = *o;
        } else {
            switch (ReplyClass(reply)) {
                case ReplyCode::Ok:  // nothing was moving: no error, but no stop either
                    outcome = Outcome::Failed;
                    break;
                case ReplyCode::Cend:
                    if (const auto o = c.pass(3)) outcome = *o;
                    break;
                case ReplyCode::Stop:
                    s.state.jogReleased = true;
                    // The stop's error line.
                    if (const auto o = c.pass())
                        outcome = *o;
                    else
                        outcome = ReadPositions(c);
                    break;
                default:
                    ShowReplyError(c, reply);
                    outcome = Outcome::Failed;
            }
        }
    }
    // Whatever the controller answered, a press waiting for its jog's reply is withdrawn: what
    // came was the release's.
    if (pressWaits) s.raiseStop();
    return outcome;
}

Outcome JogActivate(DirectSession& s, JogAxis jog) {
    DirectCycle c(s);
    c.start();
    const Outcome origin = OriginCheck(c, true);
    if (origin != Outcome::Completed) return origin;
    c.start();
    const std::string reply = c.motion(JogCommand(jog, 1));
    if (const auto o = c.cut(true)) return *o;
    switch (ReplyClass(reply)) {
        case ReplyCode::Ok:
            return ReadPositions(c);
        case ReplyCode::Ng:
            return ShowJogRefusal(c, false);
        case ReplyCode::Stop:
            return JogStopped(c);
        default:
            ShowReplyError(c, reply);
            c.goOffline();
            return Outcome::Failed;
    }
}

}  // namespace mivo
