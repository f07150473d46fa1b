#pragma once
// The procedure rig with a parameter table target that counts ParameterModified and records
// the values read in their order.
#include <string>
#include <vector>

#include "parameters/parameter_target.h"
#include "support/procedure_rig.h"

namespace mivo::test {

struct ParameterRig : Rig {
    ParameterTable table;
    int modified = 0;
    std::vector<int> read;
    ParameterTarget target() {
        return {table, [this] { ++modified; }, {}, [this](int n) { read.push_back(n); }};
    }
    // "@WRITE PRM n,value" for each of `numbers` with the table's values.
    std::vector<std::string> writes(const std::vector<int>& numbers) const {
        std::vector<std::string> out;
        for (int n : numbers)
            out.push_back("@WRITE PRM " + std::to_string(n) + "," + table.value(n));
        return out;
    }
};

// The numbers a transfer walks: from `first` below `count`, without 3 and 5.
inline std::vector<int> Walked(int first, int count) {
    std::vector<int> out;
    for (int n = first; n < count; ++n)
        if (n != 3 && n != 5) out.push_back(n);
    return out;
}

inline std::vector<std::string> Reads(const std::vector<int>& numbers) {
    std::vector<std::string> out;
    for (int n : numbers) out.push_back("@READ PRM " + std::to_string(n));
    return out;
}

template <class T>
std::vector<T> Joined(std::vector<T> a, const std::vector<T>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace mivo::test
