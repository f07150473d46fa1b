#pragma once
// The controller's data read whole or in part by the kinds' own receives, and a backup sent back
// by the kinds' own sends.
#include <string>

#include "backup/backup_data.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

// Reads `parts` into `data` (emptied first), each by its receive: the steps 0-999 of the
// current program as Step receive (its "@?NO" gives data.program), the parameters as Parameter
// receive, each pallet and each program's offsets as their screens' receive. The receives'
// questions are taken as answered Yes: the caller asked for the read. Their messages are shown
// only when a receive did not complete (the completion notices never). A receive that follows
// one that completed does not drain the line as its session starts (the line's quiet time each
// time; nothing is owed on it). A current program other
// than 0 to 5 is refused with "Check PGM No." (caption "Step receive"). Stops at the first part
// that did not complete and gives its outcome.
Outcome ReadController(ProcedureContext& ctx, const DataParts& parts, ControllerData& data);

// Backup: asks about a file already at `path` first (ConfirmBackupTarget; No: Declined, nothing
// read), reads every part (AllParts) and writes the backup (WriteBackup) only when every read
// completed; otherwise nothing is written and a file there stays as it was.
Outcome BackupController(ProcedureContext& ctx, const std::string& path);

// How far a restore came: the parts it sent whole, and the part it stopped at with that part's
// outcome ("" and Completed when it sent every part).
struct RestoreReport {
    DataParts sent;
    std::string stoppedAt;  // "steps", "parameters", "pallet 3", "offset 2"
    Outcome outcome = Outcome::Completed;
};

// Sends `parts` of `data` with the kinds' own sends, their questions, refusals and checks
// included: the steps by Quick send, the parameters by Parameter send, each pallet and each
// program's offsets by their screens' send. When the steps are sent, the controller's current
// program is asked for first: unless it is data.program nothing is sent ("The backup is of
// PGM2, the controller's current program is PGM3. Nothing was sent.", caption "Restore").
// Stops at the first part that did not complete and gives its outcome; `report` says how far
// it came.
Outcome RestoreData(ProcedureContext& ctx, ControllerData& data, const DataParts& parts,
                    RestoreReport* report = nullptr);

// The end of a restore that stopped after sending something, since the kinds' own word for
// a question answered No ("nothing was done") would be false then: "sent steps, pallets 0 to
// 2; stopped at pallet 3: answered No" (or ": it did not complete"). "" for a restore that
// completed or stopped at its first part.
std::string RestoreSummary(const RestoreReport& report);

}  // namespace mivo
