#pragma once
// What one field of a data file line, and of a command line to the controller, may hold: both
// separate fields with commas and end lines with CR LF, so a comma, a line break or a NUL would
// cut the field and move what follows.
#include <string>
#include <string_view>

namespace mivo {

// The refusal of `text` for the field shown as `name` ("A comma cannot be inputted in X"), or ""
// when it may be held. The bytes in `allowed` are let through: a step's comment, the last field
// of its line, may hold commas and a CR.
std::string RefusedSeparator(std::string_view text, std::string_view name,
                             std::string_view allowed = {});

}  // namespace mivo
