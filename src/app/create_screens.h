#pragma once
// The program's fixed set of screens: created once, in the order the program has always
// made them, the start screen first and the only one shown. `createScreens` is the one place
// that wires them: each screen gets the few things it uses, never the others' windows.
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace mivo {

class CommunicationLog;
class ModifiedFlags;
class Navigator;
class Prompter;
class RunAccount;
class ControllerLink;
class CancelDialog;
class VersionDialog;
class ProgressDialog;
class PortDialog;
class CommandDialog;
class ErrorDialog;
class ErrorRecordDialog;
class InitDialog;
class StartScreen;
class TransferDialogs;
class EditorFrame;
class SettingsDialog;
class ScreenSet;

// What `createScreens` made, for the program's start and end (settings, a file to open) and the
// tests. No screen holds it.
struct CreatedScreens {
    StartScreen* tselect = nullptr;  // the start screen (the main window)
    QWidget* tteach = nullptr;       // teaching
    EditorFrame* tmmain = nullptr;   // step editor
    QWidget* tparameter = nullptr;
    VersionDialog* tver = nullptr;
    ErrorRecordDialog* terror = nullptr;
    PortDialog* tcom = nullptr;
    QWidget* tdirect = nullptr;
    QWidget* tpalet = nullptr;
    ProgressDialog* tcall = nullptr;
    CommandDialog* tcommand = nullptr;
    InitDialog* tinit = nullptr;
    ErrorDialog* terr = nullptr;
    ControllerLink* tbuff = nullptr;  // the controller link (never shown; not a widget)
    CancelDialog* tcancel = nullptr;
    QWidget* toffset = nullptr;
    QWidget* tprint = nullptr;
    QWidget* treadoff = nullptr;  // step chooser for offset teaching
    CommunicationLog* commlog = nullptr;
    QWidget* runTrace = nullptr;  // the run traced beside the direct screen (the step editor's)
    SettingsDialog* settings = nullptr;  // the command after each run, the plant's broker

    ModifiedFlags* flags = nullptr;
    Prompter* prompter = nullptr;
    TransferDialogs* transfer = nullptr;
    Navigator* navigator = nullptr;
    RunAccount* editorRuns = nullptr;  // the editors' "Program execute" runs
};

// Fills `screens` with the eighteen screens, the link, the modified flags and the transfer
// dialogs. `prompter` answers the message boxes (tests); nullptr gives the real message boxes.
// The returned set owns everything and must outlive the use of `screens`.
std::unique_ptr<ScreenSet> createScreens(CreatedScreens& screens, Prompter* prompter = nullptr);

// The step, parameter, pallet and offset editors, in this order.
std::vector<EditorFrame*> Editors(const CreatedScreens& screens);

class ScreenSet {
  public:
    ~ScreenSet();
    // Object names in the order the screens were made.
    const std::vector<std::string>& creationOrder() const { return order_; }

  private:
    friend std::unique_ptr<ScreenSet> createScreens(CreatedScreens&, Prompter*);
    ScreenSet() = default;
    struct Owned;
    std::unique_ptr<Owned> owned_;
    std::vector<std::string> order_;
};

}  // namespace mivo
