#pragma once
// What differs between two parameter tables: the parameters a send and a receive carry.
#include <vector>

#include "files/difference.h"
#include "parameters/parameter_table.h"

namespace mivo {

// The transferred parameters whose texts differ, in number order; the robot number is listed
// but cannot be sent (memory -1).
std::vector<Difference> ParameterDifferences(const ParameterTable& file,
                                             const ParameterTable& controller);

}  // namespace mivo
