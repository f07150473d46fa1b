#pragma once
// What the transfer benchmarks share: mivo-sim as a child process pacing its line at 19200 baud
// both ways, the link on line to it, the procedures' context over a channel that counts the
// bytes, and each leg's time against the wire time of its bytes.
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

namespace mivo::bench {

// One direction of a transfer, summed over its runs.
struct Leg {
    const char* name;
    double seconds = 0;  // elapsed
    double drains = 0;   // the line's drains within it
    std::size_t out = 0, in = 0;
    double wire() const { return static_cast<double>(out + in) * kByteSeconds; }
};

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
        const auto t0 = std::chrono::steady_clock::now();
        Outcome outcome = Outcome::Failed;
        RunModal([&] { outcome = transfer(ctx_); });
        leg.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        leg.drains += channel_.drainSeconds;
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
