#include "steps/step_commands.h"

#include "common/said_text.h"

namespace mivo {

// The items are shown translated by the command-entry dialog (context mivo::CommandDialog).
// clang-format off
const std::array<CommandItem, 6>& CommandItems() {
    static const std::array<CommandItem, 6> items = {{
        {"POI",
         UI_TEXT("mivo::CommandDialog", "0:POI (point motion)"),
         UI_TEXT("mivo::CommandDialog", "0:POI(point motion)"),
         "comandolistPOI",
         {{"0", UI_TEXT("mivo::CommandDialog", "0:Point move (XY -> Z move)"), nullptr},
          {"1", UI_TEXT("mivo::CommandDialog", "1:Point move (after ZI rise -> XY -> Z move)"),
           nullptr},
          {"2", UI_TEXT("mivo::CommandDialog", "2:Point move (after Z0 rise -> XY -> Z move)"),
           UI_TEXT("mivo::CommandDialog", " 2:Point move(after Z0 rise -> XY -> Z move)")},
          {"3", UI_TEXT("mivo::CommandDialog", "3:ZI rise only"), nullptr},
          {"4", UI_TEXT("mivo::CommandDialog", "4:Z0 rise only"),
           UI_TEXT("mivo::CommandDialog", "4:ZO rise only")},
          {"5", UI_TEXT("mivo::CommandDialog", "5:Return to origin"), nullptr},
          {"6", UI_TEXT("mivo::CommandDialog", "6:R-axis motion only"), nullptr},
          {"7", UI_TEXT("mivo::CommandDialog", "7:Point move (XYZ absolute value move)"), nullptr},
          {"8", UI_TEXT("mivo::CommandDialog", "8:Point move (XYZ relative value move)"),
           UI_TEXT("mivo::CommandDialog", "8:Point move(XYZ relative value move)")}}},
        {"LIN",
         UI_TEXT("mivo::CommandDialog", "1:LIN (interpolation motion)"),
         UI_TEXT("mivo::CommandDialog", "1:LIN(interpolation motion)"),
         "comandolistLIN",
         {{"0", UI_TEXT("mivo::CommandDialog", "0:Linear interpolation move (XYZ move)"), nullptr},
          {"1", UI_TEXT("mivo::CommandDialog", "1:Continuous interpolation memory start"), nullptr},
          {"2", UI_TEXT("mivo::CommandDialog", "2:Continuous interpolation memory end"), nullptr},
          {"4", UI_TEXT("mivo::CommandDialog", "4:R linear interpolation (XYR move)"), nullptr}}},
        {"PAL",
         UI_TEXT("mivo::CommandDialog", "2:PAL (pallet motion)"),
         UI_TEXT("mivo::CommandDialog", "2:PAL (pallet motion)"),
         "comandolistPAL",
         {{"0", UI_TEXT("mivo::CommandDialog", "0:Pallet move"), nullptr},
          {"1", UI_TEXT("mivo::CommandDialog", "1:Pallet count-up output"), nullptr},
          {"2", UI_TEXT("mivo::CommandDialog", "2:Pallet counter clear"), nullptr}}},
        {"CIR",
         UI_TEXT("mivo::CommandDialog", "3:CIR (circle motion)"),
         UI_TEXT("mivo::CommandDialog", "3:CIR (circle motion)"),
         "comandolistCIR",
         {{"0", UI_TEXT("mivo::CommandDialog", "0:Circular interpolation move"), nullptr}}},
        {"SEQ",
         UI_TEXT("mivo::CommandDialog", "4:SEQ (sequence command)"),
         UI_TEXT("mivo::CommandDialog", "4:SEQ (sequence command)"),
         "comandolistSEQ",
         {{"0", UI_TEXT("mivo::CommandDialog", "0:Input ON wait"), nullptr},
          {"1", UI_TEXT("mivo::CommandDialog", "1:Input OFF wait"), nullptr},
          {"2", UI_TEXT("mivo::CommandDialog", "2:Output ON"), nullptr},
          {"3", UI_TEXT("mivo::CommandDialog", "3:Output OFF"), nullptr},
          {"4", UI_TEXT("mivo::CommandDialog", "4:Timer"),
           UI_TEXT("mivo::CommandDialog", "4:TIMER")},
          {"6", UI_TEXT("mivo::CommandDialog", "6:Conditional JUMP (ON)"), nullptr},
          {"7", UI_TEXT("mivo::CommandDialog", "7:Conditional JUMP (OFF)"), nullptr},
          {"8", UI_TEXT("mivo::CommandDialog", "8:Unconditional JUMP"), nullptr},
          {"900", UI_TEXT("mivo::CommandDialog", "900:Conditional CALL JUMP"), nullptr},
          {"916", UI_TEXT("mivo::CommandDialog", "916:Unconditional CALL JUMP"), nullptr},
          {"917", UI_TEXT("mivo::CommandDialog", "917:Return"),
           UI_TEXT("mivo::CommandDialog", "917:RETURN")}}},
        {"END",
         UI_TEXT("mivo::CommandDialog", "5:END (end command)"),
         UI_TEXT("mivo::CommandDialog", "5:END (end command)"),
         "comandolistEND",
         {{"0", UI_TEXT("mivo::CommandDialog", "0:Unconditionality end"), nullptr},
          {"1", UI_TEXT("mivo::CommandDialog", "1:1cycle end"), nullptr},
          {"2", UI_TEXT("mivo::CommandDialog", "2:Repetition driving"), nullptr}}},
    }};
    return items;
}
// clang-format on

int CommandNumber(const std::string& mnemonic) {
    const auto& items = CommandItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (mnemonic == items[i].mnemonic) return static_cast<int>(i);
    return -1;
}

CommandLayout LayoutForCommand(int commandNumber) {
    switch (commandNumber) {
        case 0:  // POI
        case 1:  // LIN
            return {BoxX | BoxY | BoxZ | BoxV, kCaptionRate, "100"};
        case 2:  // PAL
            return {BoxV, kCaptionPallet, "0"};
        case 3:  // CIR
            return {BoxX | BoxY | BoxZ | BoxX2 | BoxY2 | BoxX3 | BoxY3 | BoxV, kCaptionRate, "100"};
        case 4:  // SEQ
            return {BoxV, kCaptionPort, "0"};
        default:  // END: the value stays behind the scenes
            return {0, kCaptionRate, "100"};
    }
}

OperationLayout LayoutForOperation(const std::string& mnemonic, const std::string& code) {
    constexpr unsigned xyz = BoxX | BoxY | BoxZ;
    if (mnemonic == "POI") {
        if (code == "3" || code == "4") return {false, BoxV, "100", nullptr};
        if (code == "5") return {false, 0, "100", nullptr};
        if (code == "6") return {false, BoxR | BoxV, "100", nullptr};
        return {false, xyz | BoxV, "100", nullptr};
    }
    if (mnemonic == "LIN") {
        if (code == "1") return {false, BoxV, "100", nullptr};
        if (code == "2") return {false, 0, "100", nullptr};
        if (code == "4") return {false, BoxX | BoxY | BoxR | BoxV, "100", nullptr};
        return {false, xyz | BoxV, "100", nullptr};
    }
    if (mnemonic == "CIR") return {true, 0, "100", nullptr};
    if (mnemonic == "PAL") {
        if (code == "1") return {false, 0, "0", nullptr};
        return {false, BoxV, "0", nullptr};
    }
    if (mnemonic == "SEQ") {
        if (code == "4") return {false, BoxV, "100", kCaptionTimer};
        if (code == "6" || code == "7" || code == "900")
            return {false, BoxV | BoxJ, "0", kCaptionPort};
        if (code == "8" || code == "916") return {false, BoxJ, "0", kCaptionPort};
        if (code == "917") return {false, 0, "0", kCaptionPort};
        return {false, BoxV, "0", kCaptionPort};
    }
    return {true, 0, "100", nullptr};  // END
}

StepBoxes BoxesOfStep(const std::string& mnemonic, const std::string& code) {
    const CommandLayout command = LayoutForCommand(CommandNumber(mnemonic));
    const OperationLayout operation = LayoutForOperation(mnemonic, code);
    return {operation.keepShown ? command.shown : operation.shown,
            operation.valueCaption ? operation.valueCaption : command.valueCaption};
}

std::string CodeOfItem(const std::string& mnemonic, const std::string& item) {
    if (item.empty()) return {};
    if (mnemonic == "SEQ" && item[0] == '9') return item.substr(0, 3);
    return item.substr(0, 1);
}

bool SeqJumps(const std::string& code) {
    return code == "6" || code == "7" || code == "8" || code == "900" || code == "916";
}

}  // namespace mivo
