#pragma once
// The controller's data as one file holds them: the current program's steps, the parameters,
// the pallets and every program's offsets, or the part of them one data file holds. A backup's
// members are the kinds' own files, each byte for byte what that kind's save writes, and a
// manifest naming the program.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/prompter.h"
#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"
#include "parameters/parameter_table.h"
#include "steps/step_table.h"

namespace mivo {

struct ControllerData {
    std::string program;  // the program the steps are of, "0" .. "5"; "" when not known
    std::optional<StepTable> steps;
    std::optional<ParameterTable> parameters;
    std::map<int, PalletData> pallets;  // by pallet number
    std::map<int, OffsetData> offsets;  // by program
};

// Which parts a read or a restore takes.
struct DataParts {
    bool steps = false;
    bool parameters = false;
    std::vector<int> pallets;
    std::vector<int> offsets;
};

// Everything a backup holds: the steps, the parameters, pallets 0 to 19, offsets of 0 to 5.
DataParts AllParts();
// The parts `data` holds.
DataParts PartsOf(const ControllerData& data);
// `parts` without the kinds `only` leaves out: a comma-separated list of "steps",
// "parameters", "pallets", "offsets". nullopt, with `problem`, for another word or none.
std::optional<DataParts> OnlyParts(const DataParts& parts, const std::string& only,
                                   std::string& problem);

// An archive's members: name and content.
using Members = std::vector<std::pair<std::string, std::string>>;

inline constexpr const char* kManifestMember = "manifest.txt";
inline constexpr const char* kParametersMember = "parameters.prm";
std::string ProgramMember(const std::string& program);  // "program-2.stp"
std::string PalletMember(int pallet);                   // "pallet-03.plt"
std::string OffsetMember(int program);                  // "offset-4.off"

// The manifest: the program number, the date and time `when` (as text) and this program's
// version, one "name: value" a line.
std::string ManifestText(const std::string& program, const std::string& when);
// The local date and time now, as the manifest gives it: "2026-12-08 14:07:00 +0100".
std::string ManifestTimeNow();

// A whole backup's members: program-N.stp, parameters.prm, pallet-00.plt .. pallet-19.plt,
// offset-0.off .. offset-5.off, manifest.txt. `data` holds every part.
Members BackupMembers(const ControllerData& data, const std::string& when);
// The names of the members of a backup of `program`.
std::set<std::string> BackupMemberNames(const std::string& program);

// The data of a backup's members, each member converted as its kind's open converts a file.
// A missing member, a manifest without a program 0 to 5, a member a backup does not write
// (of another name, or a name twice), a member that is no text or that its
// kind refuses, or a pallet or offset member that names another number than its name: false
// after a message naming the member as "ARCHIVE/MEMBER" (caption "Open"; a conversion's own
// message with it in its detail).
bool DataOfMembers(const Members& members, const std::string& archive, ControllerData& data,
                   Prompter& prompter);

}  // namespace mivo
