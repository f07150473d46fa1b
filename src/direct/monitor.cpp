#include "direct/monitor.h"

#include <optional>
#include <vector>

#include "direct/shared_procedures.h"

namespace mivo {

namespace {

const char* const kCaption = "Monitor receive";

enum class PassEnd {
    Restart,  // a command ran inside its wait, or a wait gave no line: the monitor starts again
    Off,      // "Monitoring" was switched off, or the controller refused a query
    Lost,     // the line went off
};

// One query of a scan and where its value goes: panel DOn or DIn, or a field.
struct ScanItem {
    std::string query;
    ValueShape shape;
    std::optional<IoBank> bank;
    int n = 0;
    DirectField field = DirectField::Step;
};

// The outputs, the inputs, the four positions (from kFirstPosition on), the step.
constexpr std::size_t kFirstPosition = 32;
const std::vector<ScanItem>& ScanItems() {
    static const std::vector<ScanItem> items = [] {
        std::vector<ScanItem> out;
        for (const IoBank bank : {IoBank::Output, IoBank::Input})
            for (int n = 0; n < 16; ++n)
                out.push_back({(bank == IoBank::Output ? "@?DO " : "@?DI ") + std::to_string(n),
                               ValueShape::Bit, bank, n});
        const DirectField positions[] = {DirectField::Xposi, DirectField::Yposi, DirectField::Zposi,
                                         DirectField::Rposi};
        for (int k = 0; k < 4; ++k)
            out.push_back({"@?POS " + std::to_string(k + 1), ValueShape::Number, std::nullopt, 0,
                           positions[k]});
        out.push_back({"@?SNO", ValueShape::StepNumber, std::nullopt, 0, DirectField::Step});
        return out;
    }();
    return items;
}

// What a query gave.
struct ScanReply {
    enum Kind {
        Value,    // `line` fits the item
        Unfit,    // `line` is no value of the item
        Refused,  // "NG" and its error line: shown
        Stopped,  // the monitor stops here
    } kind;
    std::string line;
};

// One query of a scan, with the keyword replies a running program sends in its place (shown,
// with the lines that go with them; its "END" and "OK" give the jog buttons back). `position`:
// the position and step scans, where "ERR" and a line beginning with "32" are waited over and
// the positions read again from X. A value is taken only when it fits `shape`.
ScanReply ScanRead(DirectCycle& c, const std::string& command, ValueShape shape, bool position,
                   bool* restartPositions) {
    DirectSession& s = c.session();
    DirectView& v = s.view();
    // An empty line is a line: no value, or a trailing line.
    const auto stopped = [&s] {
        return s.motorStopped() || !s.state.monitoring || (s.lineLost() && !s.emptyLine());
    };
    const ScanReply stop{ScanReply::Stopped, {}};
    c.quiet();
    std::string line = c.query(command);
    const auto next = [&] {
        c.quiet();
        line = c.next();
        return !stopped();
    };
    for (;;) {
        if (stopped()) return stop;
        const ReplyCode code = ReplyClass(line);
        if (code == ReplyCode::Data) break;
        if (code == ReplyCode::Ok || code == ReplyCode::End) {
            if (code == ReplyCode::End) s.runEnded();
            v.append(line);
            if (!next()) return stop;
            v.enable(EnableSet::JogButtons, true);
            break;
        }
        // A status word or a cycle's end, and the line that goes with it.
        const std::string word = line;
        if (!next()) return stop;
        if (position && code == ReplyCode::Err && line.rfind("32", 0) == 0) {
            *restartPositions = true;
            if (!next()) return stop;
            continue;  // the further reply is classified instead
        }
        // The program did not run its course: its "END" times no cycle.
        if (code != ReplyCode::Cend) s.runAbandoned();
        v.append(word);
        v.append(line);
        // The query refused: nothing more comes for it.
        if (code == ReplyCode::Ng) {
            s.prompter().showControllerError(line);
            return {ScanReply::Refused, line};
        }
        // One more line, which may be the program's "END".
        if (!next()) return stop;
        if (line == "END") {
            s.runEnded();
            v.append(line);
            if (!next()) return stop;
            if (code != ReplyCode::Cend) v.enable(EnableSet::JogButtons, true);
        }
        break;
    }
    if (!FitsShape(line, shape)) return {ScanReply::Unfit, line};
    const std::string value = line;
    c.quiet();
    const std::string after = c.trailing();
    if (stopped()) return stop;
    // Only its "OK" confirms the value: another line means the exchange is out of step.
    if (ReplyClass(after) != ReplyCode::Ok) return {ScanReply::Unfit, value};
    return {ScanReply::Value, value};
}

// The scans until the monitor stops: Restart when a command ran inside one of its waits.
PassEnd Pass(DirectSession& s) {
    DirectCycle c(s);
    c.keepMonitorAsIs();
    DirectView& v = s.view();
    v.enable(EnableSet::MonitorControls, true);
    s.clearRequests();
    if (!s.takeKeepInput()) s.channel().drain();
    v.enable(EnableSet::CancelPanel, true);
    v.enable(EnableSet::PositionQueries, false);
    v.enable(EnableSet::PositionFields, true);
    const std::vector<ScanItem>& items = ScanItems();
    bool ended = false;
    while (s.state.monitoring && !ended) {
        bool whole = true;
        for (std::size_t i = 0; i < items.size() && whole; ++i) {
            const ScanItem& item = items[i];
            bool again = false;
            const ScanReply r = ScanRead(c, item.query, item.shape, i >= kFirstPosition, &again);
            if (r.kind == ScanReply::Value) {
                if (again)
                    i = kFirstPosition - 1;
                else if (item.bank)
                    v.showIo(*item.bank, item.n, r.line == "1");
                else
                    v.setField(item.field, r.line);
                // The step number, read while a program runs, times its steps.
                if (!again && !item.bank && item.field == DirectField::Step)
                    s.cycleTiming.stepSeen(r.line);
                continue;
            }
            whole = false;
            if (r.kind != ScanReply::Unfit) {
                ended = true;
                continue;
            }
            // Noise is no value: the item keeps what it shows, marked, and the scan finds its
            // place again from the start.
            if (item.bank)
                v.showIoNotCurrent(*item.bank, item.n);
            else
                v.showFieldNotCurrent(item.field);
            if (s.monitorUnfit) s.monitorUnfit(item.query, r.line);
            s.channel().drain();
        }
        if (whole && s.monitorScanned) s.monitorScanned();
    }
    // The line gone off: the offline routine has ended the monitor, which stops at once.
    if (!s.channel().online()) {
        c.handOver();
        return PassEnd::Lost;
    }
    // A wait that ended without a line on a line still on (withdrawn) starts the monitor again;
    // a controller that did not answer ends it, and says so.
    if (s.lineLost() && !s.timedOut() && s.state.monitoring) return PassEnd::Restart;
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
    // Ended or lost, it sees no "END" of a run it took over.
    s.runAbandoned();
    s.setMonitorRunning(false);
}

}  // namespace mivo
