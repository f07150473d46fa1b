#pragma once
// Parameter send and parameter receive between the parameter editor's table and the
// controller's parameter memory, over the main channel; the version query they and the
// initialisation start with.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "parameters/parameter_target.h"
#include "procedures/memory_transfer.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

// "@?Ver 0": a data reply of 4 or 5 characters is the version text (the line after it is
// collected); a bare "OK" gives an empty text. A refusal, or a reply of another length, is
// shown in the error dialog and gives nullopt, as does no reply: the transfer ends there.
std::optional<std::string> QueryTransferVersion(ProcedureContext& ctx);

// The parameters a transfer of `count` rows (TransferCount) walks from `first`, with their
// values and progress positions: the named ones below the count.
std::vector<MemoryItem> TransferItems(const ParameterTable& table, int first, int count);

// The store of a read: the value as it came, ParameterModified, the grid.
std::function<void(const MemoryItem&, const std::string&)> StoreReadValue(
    const ParameterTarget& target);

// After values were read: the initial values follow the robot number read (InitialValuesByRobot)
// and, for an old controller (count 43), parameter 43, which it does not know, is emptied. A
// robot number that is no integer is reported with `caption`; false then.
bool FinishRead(ProcedureContext& ctx, const ParameterTarget& target, int count,
                const std::string& caption);

// Parameter send: asks "Is parameter sending executed?", queries the version, checks the
// lead-2 speeds and writes parameters 1 to 43 (the robot number is never sent; 3 and 5 and,
// for an old version, 43 are skipped); of those only the ones `only` takes where given (Send
// selected).
Outcome SendParameters(ProcedureContext& ctx, const ParameterTarget& target,
                       const std::function<bool(int number)>& only = {});

// Parameter receive: asks "Is parameter receiving executed?", queries the version and reads
// parameters 0 to 43 (skips as for send) into the table as the texts arrive, each setting
// ParameterModified; then the initial values follow the robot number received.
Outcome ReceiveParameters(ProcedureContext& ctx, const ParameterTarget& target);

// The parameter editor's wording of the start question: "PGM 2 will be started. OK?".
std::string ParameterStartQuestion(const std::string& number);

}  // namespace mivo
