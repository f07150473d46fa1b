#pragma once
// Offset send, receive and initialisation: X, Y, Z, R of one program against parameters
// 100 + 4 x program + 0..3, item by item over the main channel. No version query and no count.
#include <functional>
#include <string>

#include "offsets/offset_data.h"
#include "procedures/memory_kind.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

// The offsets as the procedures change them, with the editor's callbacks.
struct OffsetTarget {
    OffsetData& data;
    // Raises OffsetModified (each received value, the end of an initialise); may be empty.
    std::function<void()> setModified = {};
    // The data changed: the screen shows it anew; may be empty.
    std::function<void()> changed = {};
    // Whether the line is still on line; the completion notices are shown only then. Empty:
    // always on line.
    std::function<bool()> online = {};
};

// "Is offset sending executed?" first, then "Program No. ranges from 0 to 5." (caption
// "Sending error"); X, Y, Z, R written in order, a refused axis naming itself
// ("Error occurs!  R").
Outcome SendOffsets(ProcedureContext& ctx, const OffsetTarget& target);

// "Is offset receiving executed?"; the program number as typed, without a range check (7 reads
// 128 to 131); each value read is stored and sets OffsetModified.
Outcome ReceiveOffsets(ProcedureContext& ctx, const OffsetTarget& target);

// The question naming the program ("Offset data of PGM No.2 will be initialized.  OK?"), or
// "Check PGM No." for a number other than 0 to 5; the four offsets written as 0, each accepted
// one showing "0.00"; OffsetModified set at the end.
Outcome InitializeOffsets(ProcedureContext& ctx, const OffsetTarget& target);

// The three above by operation (`mivo offset`).
Outcome TransferOffsets(ProcedureContext& ctx, MemoryOperation operation,
                        const OffsetTarget& target);

}  // namespace mivo
