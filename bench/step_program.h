#pragma once
// A step program for the transfer benchmarks: moves, lines, pallets, sequences, circles as the
// controller keeps them, a few empty steps, and END at its last step.
#include <string>
#include <vector>

#include "steps/step_table.h"

namespace mivo::bench {

inline void Set(mivo::StepTable& t, int s, std::vector<std::string> fields) {
    for (std::size_t f = 0; f < fields.size(); ++f) t[s][static_cast<int>(f)] = fields[f];
}

// Moves, lines, pallets, sequences, circles (as the controller keeps them: Operation "101")
// and a few empty steps, ending with END.
inline mivo::StepTable Program(int steps) {
    mivo::StepTable t;
    for (int s = 0; s < steps; ++s) {
        const std::string a = std::to_string(s % 400) + "." + std::to_string(10 + s % 90);
        switch (s % 10) {
            case 0:
            case 4:
                Set(t, s, {"POI", "000", a, "250.00", "-12.50", "90.00"});
                break;
            case 1:
            case 5:
                Set(t, s, {"LIN", "105", "100.00", a, "30.00", "0.00"});
                break;
            case 2:
                Set(t, s, {"SEQ", "210", "", "", "", "", std::to_string(s)});
                break;
            case 3:
                Set(t, s, {"PAL", "301", a, "0.00", "5.00", "180.00"});
                break;
            case 6:
                if (s + 1 < steps) {
                    Set(t, s, {"CIR", "101", "10.00", a, "5.00"});
                    Set(t, s + 1, {"CIR", "101", "30.00", "40.00", "50.00", "60.00"});
                    ++s;
                }
                break;
            default:
                break;
        }
    }
    Set(t, steps - 1, {"END", "000"});
    return t;
}

}  // namespace mivo::bench
