#pragma once
// The procedure rig with a step table target that counts StepModified.
#include "steps/step_target.h"
#include "support/procedure_rig.h"

namespace mivo::test {

struct StepRig : Rig {
    int modified = 0;
    // `table` as the step procedures write it.
    StepTarget steps(StepTable& table) {
        return {table, [this] { ++modified; }, {}};
    }
};

}  // namespace mivo::test
