#pragma once
// `mivo convert IN OUT`: opens a data file (or imports a ZEB file) and saves it as a file of the
// same kind, steps, parameters, a pallet or offsets, through the same open and save procedures
// as the editors.
#include <optional>
#include <string>

#include "common/prompter.h"
#include "files/data_kind.h"
#include "files/file_kind.h"

namespace mivo {

// The dialog filters a file name given on the command line stands for (see FilterForName): an
// open takes the extension in any case; a save takes it exactly, so "OUT.STP" is written as it
// stands rather than as "OUT.STP.stp". Without a kind: the step files'.
int OpenFilterForPath(const FileKind& kind, const std::string& path);
int SaveFilterForPath(const FileKind& kind, const std::string& path);
int OpenFilterForPath(const std::string& path);
int SaveFilterForPath(const std::string& path);
// True for a ZEB data file's name (".crd" in any case): the tool reads such files, never writes
// them.
bool IsZebFileName(const std::string& path);

// What `convert` makes: `kindOption` ("step", "parameter", "pallet" or "offset", from --kind)
// when given, else OUT's extension in any case: ".stp" and ".csv" steps, ".prm" parameters,
// ".plt" a pallet, ".off" offsets. An IN named ".stp", ".prm", ".plt" or ".off" must be of
// that kind. nullopt with `problem` when the kind cannot be told or IN
// and OUT disagree: nothing is written by guess.
std::optional<DataKind> ConvertKindFor(const std::optional<std::string>& kindOption,
                                       const std::string& in, const std::string& out,
                                       std::string& problem);

// kExitCompleted when the open ended with its completion notice and the save with "Saved",
// otherwise kExitFailed (nothing is saved after a failed open). For a pallet, `palletNumber`
// (--pallet, "0" by default) is in the number field when IN is opened: a ZEB file's block of
// that pallet is imported.
int RunConvert(const std::string& in, const std::string& out, DataKind kind, Prompter& prompter,
               const std::string& palletNumber = "0");

}  // namespace mivo
