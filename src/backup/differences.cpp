#include "backup/differences.h"

#include <iterator>

#include "parameters/parameter_differences.h"
#include "steps/step_differences.h"

namespace mivo {

namespace {

void Append(std::vector<Difference>&& more, std::vector<Difference>& out) {
    out.insert(out.end(), std::make_move_iterator(more.begin()),
               std::make_move_iterator(more.end()));
}

}  // namespace

std::vector<Difference> Differences(const ControllerData& file, const ControllerData& controller) {
    std::vector<Difference> out;
    if (file.steps && controller.steps) {
        if (!file.program.empty() && !controller.program.empty() &&
            file.program != controller.program)
            out.push_back({DataKind::Step, -1, -1, "program", file.program, controller.program});
        Append(StepDifferences(*file.steps, *controller.steps), out);
    }
    if (file.parameters && controller.parameters)
        Append(ParameterDifferences(*file.parameters, *controller.parameters), out);
    for (const auto& [number, pallet] : file.pallets)
        if (const auto read = controller.pallets.find(number); read != controller.pallets.end())
            Append(PalletDifferences(number, pallet, read->second), out);
    for (const auto& [program, offsets] : file.offsets)
        if (const auto read = controller.offsets.find(program); read != controller.offsets.end())
            Append(OffsetDifferences(program, offsets, read->second), out);
    return out;
}

}  // namespace mivo
