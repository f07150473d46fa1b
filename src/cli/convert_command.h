#pragma once
// `mivo convert IN OUT`: opens a step file (or imports a ZEB file) and saves it as a step file,
// through the same open and save procedures as the step editor.
#include <string>

#include "procedures/prompter.h"

namespace mivo {

// Open filter by IN's extension, in any case: ".stp" 1, ".crd" 2, ".csv" 3, otherwise 4.
int OpenFilterForPath(const std::string& path);

// Save filter by OUT's extension, exactly: ".stp" 1, ".csv" 2, otherwise 3 (the name as given;
// so "OUT.STP" is written as it stands rather than as "OUT.STP.stp").
int SaveFilterForPath(const std::string& path);

// kExitCompleted when the open ended with "Completed" and the save with "Saved", otherwise
// kExitFailed (nothing is saved after a failed open).
int RunConvert(const std::string& in, const std::string& out, Prompter& prompter);

}  // namespace mivo
