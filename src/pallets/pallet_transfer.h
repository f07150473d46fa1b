#pragma once
// Pallet send, receive and initialisation: the nine fields of one pallet against parameters
// 200 + 11 x number + 0..8 of the controller, item by item over the main channel. No version
// query and no count: the counters (+9, +10) are never touched.
#include "pallets/pallet_data.h"
#include "procedures/memory_kind.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

using PalletTarget = MemoryDataTarget<PalletData>;

// Send: "Pallet No. ranges from 0 to 19" (caption "Pallet error") before the question "Is
// pallet sending executed?"; then X1 .. Y section number written in order. Each refused field
// names itself ("Error occurs!  X1"; Z1's reads "Z").
// Receive: "Is pallet receiving executed?"; the number as typed, without a range check (20
// reads 420 to 428); each value read is stored and sets PalletModified.
// Initialize: "Is pallet initialize executed?" first, then the range check (caption "Initialize
// error"); the coordinates written as 0 and the section numbers as 1, each accepted field
// showing "0.00" or "1". PalletModified is not changed.
// The Z cells of P2 and P3 are emptied at the end of each.
Outcome TransferPallet(ProcedureContext& ctx, MemoryOperation operation,
                       const PalletTarget& target);

}  // namespace mivo
