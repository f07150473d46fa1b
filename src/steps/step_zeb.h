#pragma once
// Import of the step part of a ZEB series data file (".crd") into the step table.
#include <string_view>

#include "common/prompter.h"
#include "steps/step_table.h"

namespace mivo {

// Converts the first lines of a ZEB data file's content into `table` (cleared first), one step
// per line (a CIR line gives a two-row CirclePair), then renumbers jump targets after each CIR
// pair and checks that what did not fit holds no steps. Shows, with caption "Open",
// "Because of overstepping of jump-to, subsequent files cannot be open" or "Steps over 1000
// cannot be open" and returns false; true when the import completed (the caller shows
// "Completed"). Lines from 1001 on belong to the parameter and pallet imports and are not read.
// A content of fewer than 1000 lines is refused whole: "File cannot be open" with the line
// count in its detail, the table exactly as it was.
bool ConvertZebSteps(StepTable& table, std::string_view content, Prompter& prompter);

}  // namespace mivo
