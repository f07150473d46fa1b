#pragma once
// The eighteen screens, created once at start in this order and never destroyed while the
// program runs, with the link and the shared flags: a registry of windows, to show, hide or
// enable them. Data another screen owns are reached through its small interfaces
// (shell/editor_access.h, shell/teach_target.h), which `createScreens` hands to the screens
// that use them; widgets stay private to their screen.
#include <QWidget>

namespace mivo {

class TBuff;
class ModifiedFlags;
class Prompter;
class TransferDialogs;
class Tselect;
class EditorFrame;
class Tcom;
class Tcall;
class TCancel;
class Terr;
class TVer;
class Terror;
class Tcommand;
class Tinit;
class CommunicationLog;
class TeachScreen;
class PrintScreen;

struct Screens {
    // Start screen (the main window).
    Tselect* tselect = nullptr;
    QWidget* tteach = nullptr;      // teaching
    EditorFrame* tmmain = nullptr;  // step editor
    QWidget* tparameter = nullptr;
    TVer* tver = nullptr;
    Terror* terror = nullptr;
    Tcom* tcom = nullptr;
    QWidget* tdirect = nullptr;
    QWidget* tpalet = nullptr;
    Tcall* tcall = nullptr;
    Tcommand* tcommand = nullptr;
    Tinit* tinit = nullptr;
    Terr* terr = nullptr;
    TBuff* tbuff = nullptr;  // the controller link (never shown; not a widget)
    TCancel* tcancel = nullptr;
    QWidget* toffset = nullptr;
    QWidget* tprint = nullptr;
    QWidget* treadoff = nullptr;  // step chooser for offset teaching

    // Not one of the eighteen: the communication log window, opened from the Display menus.
    CommunicationLog* commlog = nullptr;

    // The teaching screen as the openers reach it (shell/teach_target.h).
    TeachScreen* teach = nullptr;
    // The print dialog as the editors' "Print" buttons reach it (shell/editor_access.h).
    PrintScreen* print = nullptr;

    ModifiedFlags* flags = nullptr;
    // Message boxes for every screen; tests put a scripted one here.
    Prompter* prompter = nullptr;
    // The cancel and progress dialogs as procedures see them.
    TransferDialogs* transfer = nullptr;
};

}  // namespace mivo
