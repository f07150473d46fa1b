#include "sim/sim_channel.h"

#include <utility>

#include "link/framing.h"
#include "link/line_assembler.h"
#include "sim/sim_core.h"

namespace mivo {

SimChannel::SimChannel(SimCore& controller) : controller_(controller) {}

std::string SimChannel::request(const std::string& command) {
    const Framing f = FrameRequest(command, false);
    if (closed_) return "";
    if (!f.bytes.empty()) {
        // The controller sees the line without its end, as the pseudo-terminal hands it on.
        std::string line = f.bytes;
        if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0)
            line.resize(line.size() - 2);
        log_.push_back("> " + line);
        controller_.receive(line);
    }
    return f.awaitReply ? next() : std::string();
}

std::string SimChannel::next() { return nextBefore(waitLimit_); }

std::string SimChannel::nextBefore(SimClock::Duration most) {
    SimClock& clock = controller_.clock();
    const Time limit = clock.now() + most;
    if (closed_) return "";
    while (!controller_.hasReply()) {
        if (controller_.hungUp()) return "";
        const auto due = clock.nextDue();
        if (!due) return "";
        if (*due > limit) {
            clock.advanceTo(limit);
            return "";
        }
        clock.advanceTo(*due);
        afterAdvance();
        // What a handler did inside the wait may have ended it.
        if (closed_) return "";
    }
    if (controller_.hungUp()) return "";
    // The same line rules as on the serial line (NUL dropped, cut at 999 bytes).
    LineAssembler assembler;
    for (char c : controller_.takeReply()) assembler.feed(c);
    assembler.feed('\n');
    std::string line = assembler.take();
    log_.push_back("< " + line);
    return line;
}

void SimChannel::drain() { controller_.clearReplies(); }

bool SimChannel::online() const { return !closed_ && !controller_.hungUp(); }

void SimChannel::at(Time when, std::function<void()> action) {
    actions_.emplace(when, std::move(action));
    // An event of its own, so that the clock stops there.
    controller_.clock().at(when, [] {});
}

void SimChannel::afterAdvance() {
    const Time now = controller_.clock().now();
    while (!actions_.empty() && actions_.begin()->first <= now) {
        std::function<void()> action = std::move(actions_.begin()->second);
        actions_.erase(actions_.begin());
        action();
    }
    if (hook_ && !inHook_) {
        inHook_ = true;
        hook_(now);
        inHook_ = false;
    }
}

}  // namespace mivo
