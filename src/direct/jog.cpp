#include "direct/jog.h"

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
    c.next();
    if (const auto o = c.cut()) return *o;
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
    std::string org;
    for (;;) {
        s.state.releasedDuringWait = false;
        org = c.query("@?ORG");
        if (const auto o = c.cut()) return *o;
        if (ReplyClass(org) == ReplyCode::Data) break;
        if (!s.state.releasedDuringWait) {
            ShowReplyError(c, org);
            return Outcome::Failed;
        }
        c.next();
        if (const auto o = c.cut()) return *o;
    }
    if (!FitsShape(org, ValueShape::Digit)) {
        ShowUnfitReply(s.context(), "@?ORG", org);
        return Outcome::Failed;
    }
    c.trailing();
    if (const auto o = c.cut()) return *o;
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

Outcome JogPress(DirectSession& s, JogAxis jog, const JogStyle& style) {
    s.state.jogReleased = false;
    DirectCycle c(s);
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
    const std::string command = JogCommand(jog, mode);
    for (;;) {
        s.state.releasedDuringWait = false;
        s.state.jogMoving = true;
        const std::string reply = c.motion(command);
        s.state.jogMoving = false;
        if (const auto o = c.cut()) return *o;
        switch (ReplyClass(reply)) {
            case ReplyCode::Ok:
                return ReadPositions(c);
            case ReplyCode::Ng:
                if (s.state.releasedDuringWait) {
                    // The release's reply: read what follows it, and jog again unless released.
                    c.next();
                    if (const auto o = c.cut()) return *o;
                    if (s.state.jogReleased) {
                        s.state.jogReleased = false;
                        return Outcome::Interrupted;
                    }
                    continue;
                }
                return ShowJogRefusal(c, style.teaching);
            case ReplyCode::Stop:
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
}

Outcome JogRelease(DirectSession& s) {
    const bool inPress = s.cyclesRunning() > 0;
    Outcome outcome = Outcome::Completed;
    {
        DirectCycle c(s, true);
        c.start();
        s.state.releasedDuringWait = inPress;
        const std::string reply = c.query("@STOP");
        if (const auto o = c.cut()) {
            outcome = *o;
        } else {
            switch (ReplyClass(reply)) {
                case ReplyCode::Ok:  // nothing was moving: no error, but no stop either
                    outcome = Outcome::Failed;
                    break;
                case ReplyCode::Cend:
                    for (int i = 0; i < 3 && outcome == Outcome::Completed; ++i) {
                        c.next();
                        if (const auto o = c.cut()) outcome = *o;
                    }
                    break;
                case ReplyCode::Stop:
                    s.state.jogReleased = true;
                    c.next();  // the stop's error line
                    if (const auto o = c.cut())
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
    if (inPress) {
        // Whatever the controller answered, the press sends no jog after its release; one
        // waiting for its jog's reply is withdrawn.
        s.state.jogReleased = true;
        if (s.state.jogMoving) s.raiseStop();
    }
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
