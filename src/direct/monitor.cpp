#include "direct/monitor.h"

#include <optional>

namespace mivo {

namespace {

const char* const kCaption = "Monitor receive";

enum class PassEnd {
    Restart,  // a command ran inside its wait: the monitor starts again
    Off,      // "Monitoring" was switched off
    Lost,     // a wait ended without a line, or the line went off
};

// One query of a scan, with the keyword replies a running program sends in its place (shown,
// with the lines that go with them; its "END" and "OK" give the jog buttons back). The value,
// or nothing when the monitor stops here. `position`: the position and step scans, where
// "ERR" and a line beginning with "32" are waited over and the positions read again from X.
std::optional<std::string> ScanRead(DirectCycle& c, const std::string& command, bool position,
                                    bool* restartPositions) {
    DirectSession& s = c.session();
    DirectView& v = s.view();
    const auto stopped = [&s] { return s.motorStopped() || !s.state.monitoring || s.lineLost(); };
    c.quiet();
    std::string line = c.query(command);
    const auto next = [&] {
        c.quiet();
        line = c.next();
        return !stopped();
    };
    for (;;) {
        if (stopped()) return std::nullopt;
        const ReplyCode code = ReplyClass(line);
        if (code == ReplyCode::Data) break;
        if (code == ReplyCode::Ok || code == ReplyCode::End) {
            v.append(line);
            if (!next()) return std::nullopt;
            v.enable(EnableSet::JogButtons, true);
            break;
        }
        // A status word or a cycle's end, and the line that goes with it.
        const std::string word = line;
        if (!next()) return std::nullopt;
        if (position && code == ReplyCode::Err && line.rfind("32", 0) == 0) {
            *restartPositions = true;
            if (!next()) return std::nullopt;
            continue;  // the further reply is classified instead
        }
        v.append(word);
        v.append(line);
        // One more line, which may be the program's "END".
        if (!next()) return std::nullopt;
        if (line == "END") {
            v.append(line);
            if (!next()) return std::nullopt;
            if (code != ReplyCode::Cend) v.enable(EnableSet::JogButtons, true);
        }
        break;
    }
    const std::string value = line;
    c.quiet();
    c.trailing();
    if (stopped()) return std::nullopt;
    return value;
}

PassEnd Pass(DirectSession& s) {
    static const DirectField kPositions[] = {DirectField::Xposi, DirectField::Yposi,
                                             DirectField::Zposi, DirectField::Rposi};
    DirectCycle c(s);
    c.keepMonitorAsIs();
    DirectView& v = s.view();
    v.enable(EnableSet::MonitorControls, true);
    s.clearRequests();
    s.channel().drain();
    v.enable(EnableSet::CancelPanel, true);
    v.enable(EnableSet::PositionQueries, false);
    v.enable(EnableSet::PositionFields, true);
    bool ended = false;
    while (s.state.monitoring && !ended) {
        bool ignored = false;
        for (const IoBank bank : {IoBank::Output, IoBank::Input}) {
            const std::string query = bank == IoBank::Output ? "@?DO " : "@?DI ";
            for (int n = 0; n < 16 && !ended; ++n) {
                const auto value = ScanRead(c, query + std::to_string(n), false, &ignored);
                if (!value)
                    ended = true;
                else if (*value == "0" || *value == "1")
                    v.showIo(bank, n, *value == "1");
            }
        }
        // The four positions, then the step; "ERR" and "32" start them again from X.
        for (int k = 0; k < 5 && !ended; ++k) {
            bool again = false;
            const std::string query = k < 4 ? "@?POS " + std::to_string(k + 1) : "@?SNO";
            const auto value = ScanRead(c, query, true, &again);
            if (!value)
                ended = true;
            else if (again)
                k = -1;
            else
                v.setField(k < 4 ? kPositions[k] : DirectField::Step, *value);
        }
        if (!ended && s.monitorScanned) s.monitorScanned();
    }
    // A wait that ended without a line, or a line gone off: the monitor stops at once.
    if (!s.channel().online() || s.lineLost()) {
        c.handOver();
        return PassEnd::Lost;
    }
    if (s.motorStopped() && s.takeRestart() && s.state.monitoring) return PassEnd::Restart;
    if (s.state.monitoring) {
        s.state.monitoring = false;
        s.prompter().notify("Monitor is ended", kCaption);
    }
    v.showMonitoring(false);
    return PassEnd::Off;
}

}  // namespace

Outcome SwitchOutput(DirectSession& s, int n) {
    DirectView& v = s.view();
    DirectCycle c(s);
    c.start();
    const bool on = !v.ioState(IoBank::Output, n);
    const std::string reply = c.query("@DO " + std::to_string(n) + (on ? ",1" : ",0"));
    c.handOver();
    // A lost line skips the rest: the offline routine has dealt with the controls.
    if (s.lineLost()) return Outcome::Failed;
    Outcome outcome = Outcome::Failed;
    if (!s.motorStopped()) {
        if (ReplyClass(reply) == ReplyCode::Ok) {
            v.showIo(IoBank::Output, n, on);
            outcome = Outcome::Completed;
        } else {
            ShowReplyError(c, reply);
        }
    }
    for (EnableSet set : {EnableSet::StopPanels, EnableSet::CancelPanel, EnableSet::CommandControls,
                          EnableSet::MonitorControls})
        v.enable(set, true);
    s.clearRequests();
    // A monitor wait this click interrupted gives up; the monitor starts again.
    s.restartMonitorLater();
    return outcome;
}

void MonitorSwitch(DirectSession& s) {
    DirectView& v = s.view();
    if (s.state.monitoring) {
        EndMonitor(s);
        return;
    }
    s.clearRequests();
    s.channel().drain();
    v.enable(EnableSet::CancelPanel, true);
    v.enable(EnableSet::PositionQueries, false);
    v.enable(EnableSet::PositionFields, true);
    s.prompter().notify("Monitor is started", kCaption);
    v.showMonitoring(true);
    s.state.monitoring = true;
    MonitorLoop(s);
}

void MonitorLoop(DirectSession& s) {
    if (s.monitorRunning() || !s.state.monitoring) return;
    s.setMonitorRunning(true);
    s.takeRestart();
    while (Pass(s) == PassEnd::Restart) {
    }
    s.setMonitorRunning(false);
}

}  // namespace mivo
