#pragma once
// The step table as the step procedures write it, with the step editor's callbacks.
#include "common/table_target.h"
#include "steps/step_table.h"

namespace mivo {

using StepTarget = TableTarget<StepTable>;

}  // namespace mivo
