#pragma once
// Send, receive and initialisation of one numbered block of the controller's memory (a pallet,
// one program's offsets), written once for every such kind: what differs is the kind's
// description, its memory numbers, items and texts.
#include <functional>
#include <span>
#include <string>

#include "procedures/memory_transfer.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

enum class MemoryOperation { Send, Receive, Initialize };

// What one operation says and checks.
struct MemoryOperationTexts {
    // The question; given the block number where it names it ("Offset data of PGM No.2 ...").
    std::function<std::string(int number)> question;
    // Asked before the number is checked; otherwise after the check (the number named).
    bool questionFirst = true;
    std::string numberCaption;  // caption of a number that is no integer
    // The range check before the transfer ("Pallet No. ranges from 0 to 19"); none when empty
    // (a receive reads whatever number was typed).
    std::string rangeMessage = {};
    std::string rangeCaption = {};
    // Cancel, refusals, no reply; a refused item's name is added. Its caption ("Pallet send")
    // is the question's and the notice's too.
    MemoryTexts texts;
    std::string completed;      // the notice, shown only while the line is still on line
    bool setsModified = false;  // a completed initialisation marks the data modified
};

// The texts every kind's send and receive share, under the operation's caption ("Pallet send").
MemoryTexts SendingTexts(std::string caption);
MemoryTexts ReceivingTexts(std::string caption);

// A kind of memory block.
struct MemoryKind {
    int items = 0;    // the values of one block, positions 0 .. items - 1
    int numbers = 0;  // blocks 0 .. numbers - 1
    std::function<int(int number, int item)> parameter;  // the item's memory number
    std::function<std::size_t(int parameter)> longest;   // its longest value (MemoryItem)
    // The item as a refusal names it after "Error occurs!  ", and as a read names it.
    std::function<std::string(int item)> refusedName;
    std::function<std::string(int item)> readName;
    // An initialisation writes `initial(item)`; an accepted item then shows `shown(item)`.
    std::function<std::string(int item)> initial;
    std::function<std::string(int item)> shown;
    MemoryOperationTexts send;
    MemoryOperationTexts receive;
    MemoryOperationTexts initialize;
};

// The block as a transfer changes it, with the editor's callbacks.
struct MemoryTarget {
    std::string& number;                     // the block number as typed
    std::span<std::string> values;           // the items' values by position
    std::function<void()> setModified = {};  // each value received; may be empty
    std::function<void()> changed = {};      // the data changed; may be empty
    std::function<bool()> online = {};       // empty: always on line
    // After every transfer that began (the session opened): what the block keeps apart from
    // its items is tidied. May be empty.
    std::function<void()> finished = {};
    // The items (by position) the transfer takes, in their order; empty: all.
    std::function<bool(int item)> only = {};
};

Outcome TransferMemory(ProcedureContext& ctx, const MemoryKind& kind, MemoryOperation operation,
                       const MemoryTarget& target);

// A kind's data as the procedures change them, with the editor's callbacks.
template <class Data>
struct MemoryDataTarget {
    Data& data;
    // Raises the kind's modified flag (each received value); may be empty.
    std::function<void()> setModified = {};
    // The data changed: the screen shows it anew; may be empty.
    std::function<void()> changed = {};
    // Whether the line is still on line; the completion notices are shown only then. Empty:
    // always on line.
    std::function<bool()> online = {};
    // The items the transfer takes (Send selected); empty: all.
    std::function<bool(int item)> only = {};
};

}  // namespace mivo
