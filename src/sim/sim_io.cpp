#include "sim/sim_io.h"

#include <sstream>

#include "sim/sim_core.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

// An input or output number and a state from their texts.
std::optional<SimIo::Setting> ReadSetting(const std::string& n, const std::string& state) {
    const int i = sim::Index(n, SimIo::kCount - 1);
    const int s = sim::Index(state, 1);
    if (i < 0 || s < 0) return std::nullopt;
    return SimIo::Setting{i, s == 1};
}

}  // namespace

SimIo::SimIo(SimCore& core) : core_(core) {
    const SimFamily f = SimFamily::Io;
    // "@DO n,s": output n (0 to 15) to s (0 off, 1 on).
    core_.addCommand(f, "@DO", [this](const std::string& args) {
        const std::size_t comma = args.find(',');
        const auto set = comma == std::string::npos
                             ? std::nullopt
                             : ReadSetting(args.substr(0, comma), args.substr(comma + 1));
        if (!set) {
            core_.refuse(sim::kParameterError);
            return;
        }
        outputs[static_cast<std::size_t>(set->n)] = set->on;
        core_.reply("OK");
    });
    auto query = [this](const std::array<bool, kCount>& states) {
        return [this, states = &states](const std::string& args) {
            const int n = sim::Index(args, kCount - 1);
            if (n < 0) {
                core_.refuse(sim::kParameterError);
                return;
            }
            core_.reply((*states)[static_cast<std::size_t>(n)] ? "1" : "0");
            core_.reply("OK");
        };
    };
    core_.addCommand(f, "@?DO", query(outputs));
    core_.addCommand(f, "@?DI", query(inputs));
}

std::optional<SimIo::Setting> SimIo::ParseOption(const std::string& text) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return ReadSetting(text.substr(0, eq), text.substr(eq + 1));
}

std::optional<SimIo::Setting> SimIo::ParseLine(const std::string& line) {
    std::istringstream words(line);
    std::string di, n, state, more;
    if (!(words >> di >> n >> state) || words >> more || (di != "DI" && di != "di"))
        return std::nullopt;
    return ReadSetting(n, state);
}

}  // namespace mivo
