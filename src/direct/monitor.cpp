#include "direct/monitor.h"

#include <optional>
#include <utility>
#include <vector>

#include "common/fiber.h"
#include "common/said_text.h"
#include "direct/direct_commands.h"
#include "direct/display_channel.h"
#include "direct/shared_procedures.h"
#include "link/reply_class.h"

namespace mivo {

namespace {

const char* const kCaption = UI_TEXT("Message", "Monitor receive");

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
        const DirectField positions[] = {DirectField::XPosition, DirectField::YPosition,
                                         DirectField::ZPosition, DirectField::RPosition};
        for (int k = 0; k < 4; ++k)
            out.push_back({"@?POS " + std::to_string(k + 1), ValueShape::Number, std::nullopt, 0,
                           positions[k]});
        out.push_back({"@?SNO", ValueShape::StepNumber, std::nullopt, 0, DirectField::Step});
        return out;
    }();
    return items;
}

// One scan after another while "Monitoring" is on and the line answers. A reply that is no
// value of its item marks it not current and starts the scan again from the start.
enum class LoopEnd {
    Off,   // "Monitoring" was switched off, a query refused or unanswered: the monitor ends
    Lost,  // the line went off (the offline routine has said so)
};

LoopEnd Scans(DirectSession& s) {
    DirectView& v = s.view();
    const std::vector<ScanItem>& items = ScanItems();
    EngineChannel& channel = s.channel();
    while (s.state.monitoring) {
        bool whole = true;
        for (std::size_t i = 0; i < items.size() && whole && s.state.monitoring; ++i) {
            const ScanItem& item = items[i];
            EngineChannel::Hooks hooks = s.display().hooks(item.query, false);
            hooks.fits = [&item](const std::string& l) { return FitsShape(l, item.shape); };
            hooks.scan = true;
            const Answer a = channel.exchange(item.query, std::move(hooks));
            if (a.end == AnswerEnd::Lost) return LoopEnd::Lost;
            if (a.end == AnswerEnd::Answered) {
                const std::string& value = a.lines[a.lines.size() - 2];
                // A position read again after its notice: the positions are read from X again.
                if (a.lines.size() > 2 && i >= kFirstPosition) {
                    i = kFirstPosition - 1;
                    continue;
                }
                if (FitsShape(value, item.shape)) {
                    if (item.bank)
                        v.showIo(*item.bank, item.n, value == "1");
                    else
                        v.setField(item.field, value);
                    // The step number, read while a program runs, times its steps.
                    if (!item.bank && item.field == DirectField::Step)
                        s.cycleTiming.stepSeen(value);
                    continue;
                }
            }
            if (a.end == AnswerEnd::Failed) {
                // Refused: the error line shown, and the monitor ends.
                for (const std::string& l : a.lines) v.append(l);
                s.prompter().showControllerError(ErrorLineOf(a));
                return LoopEnd::Off;
            }
            if (a.end == AnswerEnd::TimedOut) return LoopEnd::Off;
            // Noise is no value: the item keeps what it shows, marked, and the scan finds its
            // place again from the start.
            whole = false;
            if (item.bank)
                v.showIoNotCurrent(*item.bank, item.n);
            else
                v.showFieldNotCurrent(item.field);
            if (s.monitorUnfit) s.monitorUnfit(item.query, a.lines.empty() ? "" : a.lines.back());
        }
        if (whole && s.state.monitoring && s.monitorScanned) s.monitorScanned();
    }
    return LoopEnd::Off;
}

}  // namespace

Outcome SwitchOutput(DirectSession& s, int n) {
    DirectView& v = s.view();
    DirectCycle c(s);
    c.start();
    const bool on = !v.ioState(IoBank::Output, n);
    const std::string command = "@DO " + std::to_string(n) + (on ? ",1" : ",0");
    const Answer a = c.exchange(command);
    if (const auto o = c.cut(a, command)) return *o;
    if (a.end == AnswerEnd::Answered && ReplyClass(FirstLine(a)) == ReplyCode::Ok) {
        v.showIo(IoBank::Output, n, on);
        return Outcome::Completed;
    }
    ShowReplyError(c, a);
    return Outcome::Failed;
}

void MonitorSwitch(DirectSession& s) {
    DirectView& v = s.view();
    if (s.state.monitoring) {
        EndMonitor(s);
        return;
    }
    s.channel().drain();
    v.enable(EnableSet::CancelPanel, true);
    v.enable(EnableSet::PositionQueries, false);
    v.enable(EnableSet::PositionFields, true);
    s.prompter().notify(UI_TEXT("Message", "Monitor is started"), kCaption);
    v.showMonitoring(true);
    s.state.monitoring = true;
    MonitorLoop(s);
}

void MonitorLoop(DirectSession& s) {
    if (s.monitorRunning || !s.state.monitoring) return;
    s.monitorRunning = true;
    DirectView& v = s.view();
    v.enable(EnableSet::MonitorControls, true);
    v.enable(EnableSet::CancelPanel, true);
    v.enable(EnableSet::PositionQueries, false);
    v.enable(EnableSet::PositionFields, true);
    const LoopEnd end = Scans(s);
    // A controller that did not answer, or refused, ends it and says so.
    if (end == LoopEnd::Off && s.state.monitoring) {
        s.state.monitoring = false;
        s.prompter().notify(UI_TEXT("Message", "Monitor is ended"), kCaption);
    }
    if (end == LoopEnd::Off) v.showMonitoring(false);
    // Ended or lost, it sees no "END" of a run.
    s.monitorRunning = false;
}

Outcome RunWatched(DirectSession& s) {
    const int cyclesBefore = s.cycleTiming.statistics().count;
    bool runSent = false, runReturned = false;
    Fiber* waiting = nullptr;
    s.monitorScanned = [&] {
        if (!std::exchange(runSent, true)) {
            // The run's own fiber: RUN beside the monitor returns once "@RUN" was accepted.
            Fiber::start([&] {
                if (RunProgram(s) != Outcome::Completed) EndMonitor(s);
                runReturned = true;
                if (Fiber* w = std::exchange(waiting, nullptr)) w->resume();
            });
            return;
        }
        if (runReturned && !s.cycleTiming.running()) EndMonitor(s);
    };
    MonitorSwitch(s);
    s.monitorScanned = nullptr;
    // The run's fiber holds this frame's flags: it ends first.
    while (runSent && !runReturned) {
        waiting = Fiber::current();
        waiting->suspend();
    }
    return s.cycleTiming.statistics().count > cyclesBefore ? Outcome::Completed : Outcome::Failed;
}

}  // namespace mivo
