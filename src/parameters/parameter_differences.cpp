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

std::vector<Difference> BlockDifferences(DataKind kind, const std::string& prefix, int number,
                                         std::span<const std::string> file,
                                         std::span<const std::string> controller,
                                         const std::function<std::string(int item)>& name,
                                         int (*parameter)(int number, int item)) {
    std::vector<Difference> out;
    const std::string block = prefix + " " + std::to_string(number) + " ";
    for (std::size_t i = 0; i < file.size() && i < controller.size(); ++i) {
        const int item = static_cast<int>(i);
        AddValueDifference(kind, number, item, block + name(item), file[i], controller[i],
                           parameter(number, item), out);
    }
    return out;
}

std::vector<std::string> BlockListingValues(const std::string& number,
                                            std::span<const std::string> items) {
    std::vector<std::string> values = {number};
    values.insert(values.end(), items.begin(), items.end());
    return values;
}

}  // namespace mivo
