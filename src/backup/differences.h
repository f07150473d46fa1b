#pragma once
// What differs between two sets of the controller's data, every kind's items in one list.
#include <vector>

#include "backup/backup_data.h"
#include "files/difference.h"

namespace mivo {

// The items `file` holds that differ in `controller`, which holds the same parts; in the order
// program, steps, parameters, pallets, offsets. Steps compare as a send would leave them in the
// controller (StepHeldTexts); values compare as numbers where both are ("6" and "6.00" are
// the same), otherwise as texts.
std::vector<Difference> Differences(const ControllerData& file, const ControllerData& controller);

}  // namespace mivo
