#include "sim/sim_parameters.h"

#include "sim/sim_core.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

// Parameters 0 to 43 of robot number 22; 3 and 5 are reserved.
const char* const kRobot22[] = {
    "22",     "3",     "3",     "",      "0.00",   "",       "200.00", "200.00", "50.00",
    "200.00", "-5.00", "-2.00", "-5.00", "-5.00",  "6.00",   "6.00",   "2.00",   "6.00",
    "0.1",    "0.1",   "0.1",   "0.1",   "200.00", "200.00", "70.00",  "200.00", "45.00",
    "15.00",  "5.00",  "30.00", "5.00",  "30.00",  "5.00",   "10.00",  "5.00",   "30.00",
    "0.01",   "0.01",  "0.01",  "0.01",  "0",      "3",      "1",      "0"};

// The controller builds a robot's set from the two digits of its number: the first is the
// frame (X stroke and Y minus stroke), the second the Z axis (0 none, 1 a fast lead-6 Z, 2 a
// lead-2 Z); the rest is robot 22's.
struct Frame {
    char digit;
    const char* xStroke;       // 6
    const char* yMinusStroke;  // 11
};
constexpr Frame kFrames[] = {
    {'1', "150.00", "-2.00"}, {'2', "200.00", "-2.00"}, {'3', "100.00", "-5.00"}};

struct ZAxis {
    char digit;
    const char* stroke;       // 8
    const char* minusStroke;  // 12
    const char* lead;         // 16
    const char* maxSpeed;     // 24
    const char* speed3;       // 33
    const char* moveAmount;   // 38
    const char* axes;         // 41
};
constexpr ZAxis kZAxes[] = {{'0', "0.00", "0.00", "2.00", "70.00", "10.00", "0.00", "2"},
                            {'1', "50.00", "-5.00", "6.00", "200.00", "30.00", "0.01", "3"},
                            {'2', "50.00", "-5.00", "2.00", "70.00", "10.00", "0.01", "3"}};

}  // namespace

SimParameters::SimParameters(SimCore& core) : values(kCount, "0"), core_(core) {
    loadRobot(22);
    const SimFamily f = SimFamily::Parameters;
    // "@WRITE PRM n,value" stores the text after the first comma as it stands.
    core_.addCommand(f, "@WRITE PRM", [this](const std::string& args) {
        const std::size_t comma = args.find(',');
        const int n =
            comma == std::string::npos ? -1 : sim::Index(args.substr(0, comma), kCount - 1);
        if (n <= 0) {
            core_.refuse(kNumberError);
            return;
        }
        values[static_cast<std::size_t>(n)] = args.substr(comma + 1);
        core_.reply("OK");
    });
    core_.addCommand(f, "@READ PRM", [this](const std::string& args) {
        const int n = sim::Index(args, kCount - 1);
        if (n < 0) {
            core_.refuse(kNumberError);
            return;
        }
        core_.reply(values[static_cast<std::size_t>(n)]);
        core_.reply("OK");
    });
    core_.addCommand(f, "@INIT PRM", [this](const std::string& args) {
        if (!loadRobot(sim::Index(args, 99))) {
            core_.refuse(kRobotError);
            return;
        }
        core_.reply("OK");
    });
    addCounterCommands();
}

void SimParameters::addCounterCommands() {
    const SimFamily f = SimFamily::Parameters;
    constexpr int kCounterX = 9;
    constexpr int kCounterY = 10;
    auto counter = [this](int k, int which) -> std::string& {
        return values[static_cast<std::size_t>(PalletBase(k) + which)];
    };
    // "@?C k": pallet k's counters, "X,Y".
    core_.addCommand(f, "@?C", [this, counter](const std::string& args) {
        const int k = sim::Index(args, kPallets - 1);
        if (k < 0) {
            core_.refuse(sim::kParameterError);
            return;
        }
        core_.reply(counter(k, kCounterX) + "," + counter(k, kCounterY));
        core_.reply("OK");
    });
    auto reset = [counter](int k) { counter(k, kCounterX) = counter(k, kCounterY) = "0"; };
    core_.addCommand(f, "@INIT C", [this, reset](const std::string& args) {
        const int k = sim::Index(args, kPallets - 1);
        if (k < 0) {
            core_.refuse(sim::kParameterError);
            return;
        }
        reset(k);
        core_.reply("OK");
    });
    core_.addCommand(f, "@INIT C ALL", [this, reset](const std::string&) {
        for (int k = 0; k < kPallets; ++k) reset(k);
        core_.reply("OK");
    });
}

bool SimParameters::loadRobot(int robot) {
    const std::string digits = std::to_string(robot);
    if (digits.size() != 2) return false;
    const Frame* frame = nullptr;
    for (const Frame& f : kFrames)
        if (f.digit == digits[0]) frame = &f;
    const ZAxis* z = nullptr;
    for (const ZAxis& a : kZAxes)
        if (a.digit == digits[1]) z = &a;
    if (!frame || !z) return false;
    for (std::size_t n = 0; n < std::size(kRobot22); ++n) values[n] = kRobot22[n];
    values[0] = digits;
    values[6] = frame->xStroke;
    values[11] = frame->yMinusStroke;
    values[8] = z->stroke;
    values[12] = z->minusStroke;
    values[16] = z->lead;
    values[24] = z->maxSpeed;
    values[33] = z->speed3;
    values[38] = z->moveAmount;
    values[41] = z->axes;
    return true;
}

std::optional<double> SimParameters::number(int n) const {
    if (n < 0 || n >= kCount) return std::nullopt;
    return sim::Number(values[static_cast<std::size_t>(n)]);
}

}  // namespace mivo
