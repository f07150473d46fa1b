#pragma once
// `mivo convert IN OUT`: opens a step file (or imports a ZEB file) and saves it as a step file,
// through the same open and save procedures as the step editor.
#include <string>

#include "procedures/prompter.h"

namespace mivo {

// The dialog filters a file name given on the command line stands for (see FilterForName): an
// open takes the extension in any case; a save takes it exactly, so "OUT.STP" is written as it
// stands rather than as "OUT.STP.stp".
int OpenFilterForPath(const std::string& path);
int SaveFilterForPath(const std::string& path);
// True for a ZEB data file's name (".crd" in any case): the tool reads such files, never writes
// them.
bool IsZebFileName(const std::string& path);

// kExitCompleted when the open ended with "Completed" and the save with "Saved", otherwise
// kExitFailed (nothing is saved after a failed open).
int RunConvert(const std::string& in, const std::string& out, Prompter& prompter);

}  // namespace mivo
