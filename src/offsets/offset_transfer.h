#pragma once
// Offset send, receive and initialisation: X, Y, Z, R of one program against parameters
// 100 + 4 x program + 0..3, item by item over the main channel. No version query and no count.
#include "offsets/offset_data.h"
#include "procedures/memory_kind.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

using OffsetTarget = MemoryDataTarget<OffsetData>;

// Send: "Is offset sending executed?" first, then "Program No. ranges from 0 to 5." (caption
// "Sending error"); X, Y, Z, R written in order, a refused axis naming itself
// ("Error occurs!  R").
// Receive: "Is offset receiving executed?"; the program number as typed, without a range check
// (7 reads 128 to 131); each value read is stored and sets OffsetModified.
// Initialize: the question naming the program ("Offset data of PGM No.2 will be initialized.
// OK?"), or "Check PGM No." for a number other than 0 to 5; the four offsets written as 0, each
// accepted one showing "0.00"; OffsetModified set at the end.
Outcome TransferOffsets(ProcedureContext& ctx, MemoryOperation operation,
                        const OffsetTarget& target);

}  // namespace mivo
