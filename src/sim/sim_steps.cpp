#include "sim/sim_steps.h"

#include "sim/sim_core.h"
#include "sim/sim_text.h"

namespace mivo {

namespace {

using sim::Join;
using sim::SplitCommas;

// A step number 0..999 in plain decimal of at most three digits, else -1.
int StepNumber(const std::string& text) {
    return text.size() <= 3 ? sim::Index(text, SimSteps::kSteps - 1) : -1;
}

}  // namespace

SimSteps::SimSteps(SimCore& core)
    : programs(kPrograms, std::vector<std::string>(kSteps)), core_(core) {
    addCommands();
}

void SimSteps::addCommands() {
    SimCore& c = core_;
    const SimFamily f = SimFamily::Steps;
    c.addCommand(f, "@?NO", [this](const std::string&) {
        core_.reply(std::to_string(currentProgram));
        core_.reply("OK");
    });
    c.addCommand(f, "@WRITE STEP", [this](const std::string& args) {
        const std::vector<std::string> v = SplitCommas(args);
        const int s = v.empty() ? -1 : StepNumber(v[0]);
        const bool plain =
            v.size() == 7 && (v[1] == "POI" || v[1] == "LIN" || v[1] == "PAL" || v[1] == "END");
        const bool seq = v.size() == 4 && v[1] == "SEQ";
        if (s < 0 || !(plain || seq)) {
            core_.refuse(sim::kParameterError);
            return;
        }
        program()[static_cast<std::size_t>(s)] = v[1] + " " + Join(v, 2);
        core_.reply("OK");
    });
    c.addCommand(f, "@PDEL", [this](const std::string& args) {
        const int s = StepNumber(args);
        if (s < 0) {
            core_.refuse(sim::kParameterError);
            return;
        }
        program()[static_cast<std::size_t>(s)].clear();
        core_.reply("OK");
    });
    c.addCommand(f, "@WRITE CIR", [this](const std::string& args) {
        const std::vector<std::string> v = SplitCommas(args);
        const int s = v.size() == 2 ? StepNumber(v[0]) : -1;
        if (s < 0 || s + 1 >= kSteps) {
            core_.refuse(sim::kParameterError);
            return;
        }
        circle_ = {s, v[1], {}, {}, 1};
        core_.reply("READY");
    });
    // The circle's parts must come in order, each with its count of values.
    auto part = [this](int n, std::size_t values) {
        return [this, n, values](const std::string& args) {
            if (circle_.part != n || SplitCommas(args).size() != values) {
                circle_.part = 0;
                core_.refuse(sim::kParameterError);
                return;
            }
            if (n == 1) circle_.first = args;
            if (n == 2) circle_.second = args;
            if (n < 3) {
                ++circle_.part;
                core_.reply("READY");
                return;
            }
            auto& p = program();
            p[static_cast<std::size_t>(circle_.step)] = "CIR " + circle_.op + "," + circle_.first;
            p[static_cast<std::size_t>(circle_.step + 1)] =
                "CIR " + circle_.op + "," + circle_.second + "," + args;
            circle_.part = 0;
            core_.reply("OK");
        };
    };
    c.addCommand(f, "1=", part(1, 3));
    c.addCommand(f, "2=", part(2, 2));
    c.addCommand(f, "3=", part(3, 2));
    c.addCommand(f, "@READ STEP", [this](const std::string& args) {
        const int s = StepNumber(args);
        if (s < 0) {
            core_.refuse(sim::kParameterError);
            return;
        }
        const auto& p = program();
        const std::string& record = p[static_cast<std::size_t>(s)];
        if (record.empty()) {
            core_.refuse(sim::kNoStepData);
            return;
        }
        core_.reply("S" + std::to_string(s) + " " + record);
        // A circle's first step (four values) answers with its second step as well.
        if (record.rfind("CIR ", 0) == 0 && SplitCommas(record).size() == 4 && s + 1 < kSteps)
            core_.reply("S" + std::to_string(s + 1) + " " + p[static_cast<std::size_t>(s + 1)]);
        core_.reply("OK");
    });
    c.addCommand(f, "@INIT PGM", [this](const std::string&) {
        for (auto& step : program()) step.clear();
        core_.reply("OK");
    });
    c.addCommand(f, "@INIT PGM ALL", [this](const std::string&) {
        for (auto& p : programs)
            for (auto& step : p) step.clear();
        core_.reply("OK");
    });
}

}  // namespace mivo
