#pragma once
// What the transfer benchmarks share: mivo-sim as a child process pacing its line at 19200 baud
// both ways, the link on line to it, the procedures' context over a channel that counts the
// bytes, and each leg's time against the wire time of its bytes, with the program's own turns
// between a reply and the next command among it.
#include <QProcess>
#include <QStringList>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "counting_channel.h"
#include "link/controller_link.h"
#include "link/link_messages.h"
#include "modal/modal_run.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"
#include "procedures/transfer_view.h"
#include "sim_process.h"
#include "write_watch.h"

namespace mivo::bench {

// One direction of a transfer, summed over its runs.
struct Leg {
    const char* name;
    double seconds = 0;  // elapsed
    double drains = 0;   // the line's drains within it
    double turns = 0;    // the program's time from a reply's end to its next command, drains in
    std::size_t out = 0, in = 0;
    double wire() const { return static_cast<double>(out + in) * kByteSeconds; }
};

// Of a leg's time above the wire (its drains apart), what was the program's own turns between a
// reply's end and the next command, and what was the line's (the simulator's and the system's).
inline void PrintTurns(const Leg& l) {
    const double above = l.seconds - l.drains - l.wire();
    const double own = l.turns - l.drains;  // a drain waits in the program's turn
    std::printf(
        "  %s: above the wire %.3f s, the program's own turns %.3f s (%.4f x wire), the"
        " line's %.3f s\n",
        l.name, above, own, own / l.wire(), above - own);
}

class PacedLine {
  public:
    // Starts mivo-sim with --pace and `arguments` and goes on line to it; the link's messages
    // go to `prompter`, which the procedures use too.
    PacedLine(Prompter& prompter, const QStringList& arguments) : prompter_(prompter) {
        RouteLinkMessages(link_, [&prompter](const std::string& text, const std::string& caption,
                                             const std::string& detail) {
            prompter.notifyDetail(text, caption, detail);
        });
        const QString device = StartSimulator(sim_, QStringList{"--pace"} + arguments);
        if (device.isEmpty()) return;
        link_.setDeviceForPort(1, device);
        if (!link_.goOnline()) return;
        // The drain of the port just opened is over before the first transfer, as when a user
        // goes on line and then starts one: going on line is no part of a transfer.
        RunModal([this] { link_.mainChannel().drain(); });
        online_ = true;
        std::printf("sim: mivo-sim child process on %s, paced at 19200 baud both ways\n",
                    qPrintable(device));
    }
    ~PacedLine() {
        link_.goOffline();
        StopSimulator(sim_);
    }
    bool online() const { return online_; }

    // Runs `transfer` on the context and adds its time, drains and bytes to `leg`.
    template <class Transfer>
    Outcome timed(Leg& leg, Transfer transfer) {
        channel_.out = channel_.in = 0;
        channel_.drainSeconds = 0;
        const double turnMs = WriteWatch::turnMs;
        const auto t0 = std::chrono::steady_clock::now();
        Outcome outcome = Outcome::Failed;
        RunModal([&] { outcome = transfer(ctx_); });
        leg.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        leg.drains += channel_.drainSeconds;
        leg.turns += (WriteWatch::turnMs - turnMs) / 1000.0;
        leg.out += channel_.out;
        leg.in += channel_.in;
        return outcome;
    }

  private:
    QProcess sim_;
    ControllerLink link_;
    HeadlessTransferView view_;
    std::vector<std::string> log_;
    Prompter& prompter_;
    CountingChannel channel_{link_.mainChannel()};
    ProcedureContext ctx_{channel_, prompter_, view_, log_};
    bool online_ = false;
};

}  // namespace mivo::bench
