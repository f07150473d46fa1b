#include "sim/sim_channel.h"

#include "link/framing.h"
#include "link/line_assembler.h"
#include "sim/sim_controller.h"

namespace mivo {

SimChannel::SimChannel(SimController& controller, bool direct)
    : controller_(controller), direct_(direct) {}

std::string SimChannel::request(const std::string& command) {
    const Framing f = FrameRequest(command, direct_);
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

std::string SimChannel::next() {
    if (controller_.hungUp() || !controller_.hasReply()) return "";
    // The same line rules as on the serial line (NUL dropped, cut at 999 bytes).
    LineAssembler assembler;
    for (char c : controller_.takeReply()) assembler.feed(c);
    assembler.feed('\n');
    std::string line = assembler.take();
    log_.push_back("< " + line);
    return line;
}

void SimChannel::drain() { controller_.clearReplies(); }

}  // namespace mivo
