#pragma once
// Transfers of the controller's numbered memory item by item, as the parameter, pallet and
// offset screens make them: each item written with "@WRITE PRM n,value" or read with
// "@READ PRM n" on its own, Cancel looked at before each, and a refusal shown in the error
// dialog with the item's own message after it.
#include <functional>
#include <string>
#include <vector>

#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

// One item of a transfer: its memory number, the value to write (a read ignores it) and the
// position the progress bar takes before it.
struct MemoryItem {
    int number = 0;
    std::string value;
    int position = 0;
    // The longest value a read takes for it: its field's length, so that a value received is
    // one its file and editor can hold again; 0 for a number without a field of its own.
    std::size_t longest = 0;
};

// What a transfer says, in the words of the screen that runs it.
struct MemoryTexts {
    // Cancel between two items: `interrupted` ("Sending is interrupted") with `caption`.
    std::string caption = {};
    std::string interrupted = {};
    // A refused item: after the controller's error line, unless that begins with "31",
    // `itemError(item)` ("Error occurs! No.12") with `errorCaption`. None when not given.
    std::function<std::string(const MemoryItem&)> itemError = {};
    std::string errorCaption = {};
    // No reply at all: this notice ("Error occurs") with `noReplyCaption`, or `errorCaption`
    // when that is empty; none when `noReply` is empty.
    std::string noReply = {};
    std::string noReplyCaption = {};
    // The item as a read names it when its reply is no value or does not come whole ("X1");
    // "parameter n" when not given.
    std::function<std::string(const MemoryItem&)> itemName = {};
};

// Writes the items in order. "OK" goes on to the next item, after `accepted` was told; a
// refusal stops the transfer at that item (the items before it stay written).
Outcome WriteMemory(ProcedureContext& ctx, const std::vector<MemoryItem>& items,
                    const MemoryTexts& texts,
                    const std::function<void(const MemoryItem&)>& accepted = {});

// Reads the items in order. A data line that is a number is the item's value, handed to
// `store` exactly as it came once the line the controller sends after it has come too. Any
// other reply, or none, stops the transfer at that item (the values stored before it stay).
Outcome ReadMemory(ProcedureContext& ctx, const std::vector<MemoryItem>& items,
                   const MemoryTexts& texts,
                   const std::function<void(const MemoryItem&, const std::string&)>& store);

}  // namespace mivo
