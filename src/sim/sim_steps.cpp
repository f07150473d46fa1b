// The simulated controller's step-program commands: write, delete, circles, read back,
// initialise, run, and the error record.
#include <vector>

#include "sim/sim_controller.h"

namespace mivo {

namespace {

const char* const kParameterError = "11:Parameter error";
const char* const kNoStepData = "57:No step data";

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t comma = text.find(',', pos);
        out.push_back(
            text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
        if (comma == std::string::npos) return out;
        pos = comma + 1;
    }
}

// A step number 0..999 in plain decimal, else -1.
int StepNumber(const std::string& text) {
    if (text.empty() || text.size() > 3) return -1;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string Join(const std::vector<std::string>& parts, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < parts.size(); ++i) {
        if (i > from) out += ',';
        out += parts[i];
    }
    return out;
}

}  // namespace

void SimController::addStepCommands() {
    addCommand("@WRITE STEP", [this](const std::string& args) {
        const std::vector<std::string> f = SplitCommas(args);
        const int s = f.empty() ? -1 : StepNumber(f[0]);
        const bool plain =
            f.size() == 7 && (f[1] == "POI" || f[1] == "LIN" || f[1] == "PAL" || f[1] == "END");
        const bool seq = f.size() == 4 && f[1] == "SEQ";
        if (s < 0 || !(plain || seq)) {
            refuse(kParameterError);
            return;
        }
        program()[static_cast<std::size_t>(s)] = f[1] + " " + Join(f, 2);
        reply("OK");
    });
    addCommand("@PDEL", [this](const std::string& args) {
        const int s = StepNumber(args);
        if (s < 0) {
            refuse(kParameterError);
            return;
        }
        program()[static_cast<std::size_t>(s)].clear();
        reply("OK");
    });
    addCommand("@WRITE CIR", [this](const std::string& args) {
        const std::vector<std::string> f = SplitCommas(args);
        const int s = f.size() == 2 ? StepNumber(f[0]) : -1;
        if (s < 0 || s + 1 >= kSteps) {
            refuse(kParameterError);
            return;
        }
        circle_ = {s, f[1], {}, {}, 1};
        reply("READY");
    });
    // The circle's parts must come in order, each with its count of values.
    auto part = [this](int n, std::size_t values) {
        return [this, n, values](const std::string& args) {
            if (circle_.part != n || SplitCommas(args).size() != values) {
                circle_.part = 0;
                refuse(kParameterError);
                return;
            }
            if (n == 1) circle_.first = args;
            if (n == 2) circle_.second = args;
            if (n < 3) {
                ++circle_.part;
                reply("READY");
                return;
            }
            auto& p = program();
            p[static_cast<std::size_t>(circle_.step)] = "CIR " + circle_.op + "," + circle_.first;
            p[static_cast<std::size_t>(circle_.step + 1)] =
                "CIR " + circle_.op + "," + circle_.second + "," + args;
            circle_.part = 0;
            reply("OK");
        };
    };
    addCommand("1=", part(1, 3));
    addCommand("2=", part(2, 2));
    addCommand("3=", part(3, 2));
    addCommand("@READ STEP", [this](const std::string& args) {
        const int s = StepNumber(args);
        if (s < 0) {
            refuse(kParameterError);
            return;
        }
        const auto& p = program();
        const std::string& record = p[static_cast<std::size_t>(s)];
        if (record.empty()) {
            refuse(kNoStepData);
            return;
        }
        reply("S" + std::to_string(s) + " " + record);
        // A circle's first step (four values) answers with its second step as well.
        if (record.rfind("CIR ", 0) == 0 && SplitCommas(record).size() == 4 && s + 1 < kSteps)
            reply("S" + std::to_string(s + 1) + " " + p[static_cast<std::size_t>(s + 1)]);
        reply("OK");
    });
    addCommand("@INIT PGM", [this](const std::string&) {
        for (auto& step : program()) step.clear();
        reply("OK");
    });
    addCommand("@RUN", [this](const std::string&) {
        reply("OK");
        reply("END");
    });
    addCommand("@READ ERR", [this](const std::string&) {
        for (const auto& line : errorRecord) reply(line);
        reply("OK");
    });
}

}  // namespace mivo
