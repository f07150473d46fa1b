#pragma once
#include "shell/modified_flags.h"
#include "shell/navigator.h"

namespace mivo {

class ControllerLink;
class Prompter;
class RunAccount;
class TeachScreenAccess;
class TransferDialogs;

// What an editor reaches outside itself, wired by `createScreens`: the link, the modified flags
// mirrored to the start screen, the message boxes, the transfer dialogs, the windows it moves to,
// the teaching screen its teaching buttons open and where its program runs are accounted.
struct EditorLinks {
    ControllerLink* link = nullptr;
    ModifiedFlags* flags = nullptr;
    Prompter* prompter = nullptr;
    TransferDialogs* transfer = nullptr;
    Navigator* navigator = nullptr;
    TeachScreenAccess* teach = nullptr;
    RunAccount* runs = nullptr;  // where the editors' "Program execute" runs are accounted
};

}  // namespace mivo
