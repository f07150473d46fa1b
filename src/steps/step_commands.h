#pragma once
// The step commands and their operations as the command-entry dialog lists them, and which
// boxes (values) each command and operation takes.
#include <array>
#include <string>
#include <vector>

#include "common/said_text.h"

namespace mivo {

// One operation of a command's list: its code, the list item, and the text shown instead when
// an existing step with that code is opened (nullptr: the item itself).
struct OperationItem {
    const char* code;
    const char* item;
    const char* openText;
};

struct CommandItem {
    const char* mnemonic;
    const char* item;      // item of the command list SENTAKU
    const char* openText;  // SENTAKU's text when an existing step is opened
    const char* listName;  // objectName of its operation list
    std::vector<OperationItem> operations;
};

// In the order of the command numbers 0 to 5: POI, LIN, PAL, CIR, SEQ, END.
const std::array<CommandItem, 6>& CommandItems();
// The command number of a mnemonic; -1 for an unknown one.
int CommandNumber(const std::string& mnemonic);

// The boxes of the dialog, as bits.
enum EntryBox : unsigned {
    BoxX = 1u << 0,
    BoxY = 1u << 1,
    BoxZ = 1u << 2,
    BoxR = 1u << 3,
    BoxX2 = 1u << 4,
    BoxY2 = 1u << 5,
    BoxX3 = 1u << 6,
    BoxY3 = 1u << 7,
    BoxV = 1u << 8,
    BoxJ = 1u << 9,
};
inline constexpr unsigned kPositionBoxes =
    BoxX | BoxY | BoxZ | BoxR | BoxX2 | BoxY2 | BoxX3 | BoxY3;

// The V box's captions, shown translated by the command-entry dialog.
inline constexpr const char* kCaptionRate = UI_TEXT("mivo::CommandDialog", "Rate(%)");
inline constexpr const char* kCaptionPallet = UI_TEXT("mivo::CommandDialog", "No.(0 - 19)");
inline constexpr const char* kCaptionPort = UI_TEXT("mivo::CommandDialog", "I/O port");
inline constexpr const char* kCaptionTimer = UI_TEXT("mivo::CommandDialog", "TIMER(*0.1S)");

// What choosing a command sets: the boxes shown, the V caption and the V text.
struct CommandLayout {
    unsigned shown;
    const char* valueCaption;
    const char* valueText;
};
CommandLayout LayoutForCommand(int commandNumber);

// What choosing an operation sets. `keepShown`: the boxes stay as the command set them.
// `valueCaption` nullptr: the caption stays.
struct OperationLayout {
    bool keepShown;
    unsigned shown;
    const char* valueText;
    const char* valueCaption;
};
OperationLayout LayoutForOperation(const std::string& mnemonic, const std::string& code);

// The boxes a step of `command` and `code` fills and its value's caption, as the dialog shows
// them once both are chosen.
struct StepBoxes {
    unsigned shown;
    const char* valueCaption;
};
StepBoxes BoxesOfStep(const std::string& mnemonic, const std::string& code);

// The code of an operation item: its first character, three for SEQ items starting with "9".
std::string CodeOfItem(const std::string& mnemonic, const std::string& item);

// Whether a SEQ operation `code` (as ReadStep gives it) goes to its JUMP step: the conditional
// jumps 6 and 7, the unconditional jump 8, and the calls 900 and 916.
bool SeqJumps(const std::string& code);

}  // namespace mivo
