#pragma once
// The step editor as a plain window, for the shell's screens that show, hide, enable and
// disable it. Only QWidget's own members are used, so the shell does not link the editor.
#include "shell/screens.h"
#include "steps/tmmain.h"

namespace mivo {

inline QWidget* StepEditor(const Screens& screens) { return screens.tmmain; }

}  // namespace mivo
