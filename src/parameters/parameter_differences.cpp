#include "parameters/parameter_differences.h"

#include "parameters/parameter_rules.h"

namespace mivo {

std::vector<Difference> ParameterDifferences(const ParameterTable& file,
                                             const ParameterTable& controller) {
    std::vector<Difference> out;
    for (int n = 0; n < kEditableParameterCount; ++n)
        if (IsTransferred(n, kEditableParameterCount))
            AddValueDifference(DataKind::Parameter, -1, n, "parameter " + std::to_string(n),
                               file.value(n), controller.value(n), n == PrmRobotNumber ? -1 : n,
                               out);
    return out;
}

}  // namespace mivo
