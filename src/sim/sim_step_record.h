#pragma once
// A stored step as the motion reads it: "<CMD> <op>,<fields>" split into the command and its
// comma-separated fields, the operation first.
#include <string>
#include <vector>

#include "common/motion_law.h"
#include "sim/sim_text.h"

namespace mivo::sim {

struct StepRecord {
    std::string command;
    std::vector<std::string> fields;

    char code() const { return fields.empty() || fields[0].empty() ? '0' : fields[0][0]; }
    // The speed rate of POI, LIN and CIR: "00" is 100 %, and so is a rate that is no number.
    double rate() const {
        const std::string& op = fields.empty() ? std::string() : fields[0];
        return SpeedRate(op.size() >= 3 ? op.substr(1, 2) : std::string()).value_or(1.0);
    }
    // The two digits after the code ("003": 3), -1 when they are no number.
    int parameter() const {
        return fields.empty() || fields[0].size() < 3 ? -1 : Index(fields[0].substr(1, 2), 99);
    }
    // Field i as a number, when it is one.
    bool number(std::size_t i, double* out) const {
        if (i >= fields.size()) return false;
        const auto v = Number(fields[i]);
        if (v) *out = *v;
        return v.has_value();
    }
};

inline StepRecord ParseStep(const std::string& stored) {
    const std::size_t blank = stored.find(' ');
    StepRecord r;
    r.command = stored.substr(0, blank);
    if (blank != std::string::npos) r.fields = SplitCommas(stored.substr(blank + 1));
    return r;
}

}  // namespace mivo::sim
