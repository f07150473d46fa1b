#pragma once
// The simulated controller in process, with the helpers its tests share.
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "sim/sim_channel.h"
#include "sim/sim_controller.h"

namespace mivo::test {

using namespace std::chrono_literals;
using SimTime = SimClock::Duration;

struct SimRig {
    SimController sim;
    SimChannel channel{sim};

    SimTime now() const { return sim.clock().now(); }

    // Sends `command` and takes every line that comes while anything is queued or due (up to a
    // hundred, so that a program that never ends cannot hold the test).
    std::vector<std::string> all(const std::string& command) {
        std::vector<std::string> lines{channel.request(command)};
        while (more(lines.size())) lines.push_back(channel.next());
        return lines;
    }
    // Each line with the time it came, counted from the command.
    std::vector<std::pair<std::string, SimTime>> timed(const std::string& command) {
        const SimTime start = now();
        std::vector<std::pair<std::string, SimTime>> lines{{channel.request(command), 0us}};
        lines.back().second = now() - start;
        while (more(lines.size())) {
            std::string line = channel.next();
            lines.emplace_back(std::move(line), now() - start);
        }
        return lines;
    }
    bool more(std::size_t taken) const {
        return taken < 100 && (sim.hasReply() || !sim.clock().idle());
    }
};

}  // namespace mivo::test
