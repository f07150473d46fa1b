#pragma once
// Import of the parameter part of a ZEB series data file (".crd") into the parameter table.
#include <string_view>

#include "common/prompter.h"
#include "parameters/parameter_table.h"

namespace mivo {

// Reads lines 1002 to 1011 of a ZEB data file's content at their fixed character positions:
// the four maximum speeds (22..25, the number times 2), the linear interpolation speed (26, the
// number times 0.45), the four accelerations (18..21) and the virtual origin point (4) as the
// texts stand; the leads (14..17) become "6". A number may have blanks around it in its field;
// a product is written as its shortest decimal text ("300", "14.85"). All other values keep
// what they held.
// The whole block is checked first: a file of fewer than 1011 lines ("File cannot be open"), a
// speed field that is no number (the conversion message), or a value longer than its parameter
// holds (ValueLength; "File cannot be open") shows its message (caption "Open", the line count
// or the field's place in the detail), changes nothing and returns false. True when
// imported; the caller runs InitialValuesByRobot and shows "Completed. Check data.".
bool ConvertZebParameters(ParameterTable& table, std::string_view content, Prompter& prompter);

}  // namespace mivo
