#include "sim/sim_parameters.h"

#include "sim/sim_core.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

const char* const kParameterError = "11:Parameter error";

// Parameters 0 to 43 of robot number 22; 3 and 5 are reserved.
const char* const kRobot22[] = {
    "22",     "3",     "3",     "",      "0.00",   "",       "200.00", "200.00", "50.00",
    "200.00", "-5.00", "-2.00", "-5.00", "-5.00",  "6.00",   "6.00",   "2.00",   "6.00",
    "0.1",    "0.1",   "0.1",   "0.1",   "200.00", "200.00", "70.00",  "200.00", "45.00",
    "15.00",  "5.00",  "30.00", "5.00",  "30.00",  "5.00",   "10.00",  "5.00",   "30.00",
    "0.01",   "0.01",  "0.01",  "0.01",  "0",      "3",      "1",      "0"};

}  // namespace

SimParameters::SimParameters(SimCore& core) : values(kCount, "0"), core_(core) {
    for (std::size_t n = 0; n < std::size(kRobot22); ++n) values[n] = kRobot22[n];
    const SimFamily f = SimFamily::Parameters;
    // "@WRITE PRM n,value" stores the text after the comma as it stands.
    core_.addCommand(f, "@WRITE PRM", [this](const std::string& args) {
        const std::size_t comma = args.find(',');
        const int n =
            comma == std::string::npos ? -1 : sim::Index(args.substr(0, comma), kCount - 1);
        if (n < 0) {
            core_.refuse(kParameterError);
            return;
        }
        values[static_cast<std::size_t>(n)] = args.substr(comma + 1);
        core_.reply("OK");
    });
    core_.addCommand(f, "@READ PRM", [this](const std::string& args) {
        const int n = sim::Index(args, kCount - 1);
        if (n < 0) {
            core_.refuse(kParameterError);
            return;
        }
        core_.reply(values[static_cast<std::size_t>(n)]);
        core_.reply("OK");
    });
}

std::optional<double> SimParameters::number(int n) const {
    if (n < 0 || n >= kCount) return std::nullopt;
    return sim::Number(values[static_cast<std::size_t>(n)]);
}

}  // namespace mivo
