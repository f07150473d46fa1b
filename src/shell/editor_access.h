#pragma once
// What a screen may do with data another screen owns, by name: each owner implements its
// interface and `createScreens` hands it to the screens that use it.
#include <functional>
#include <string>

#include "shell/modified_flags.h"

class QString;
class QWidget;

namespace mivo {

// The step editor's program, as the direct-operation screen's INIT PGM gives it up.
class StepEditorAccess {
  public:
    virtual ~StepEditorAccess() = default;
    // When the steps were changed, the unsaved question with Yes/No/Cancel; Yes saves (dialogs
    // over `dialogParent`). False on Cancel and on a Yes whose save wrote nothing.
    virtual bool offerToSaveOrCancel(QWidget* dialogParent) = 0;
    // Empties the program as one undoable edit named `caption` (the steps then count as
    // modified, as any edit does).
    virtual void emptyTable(const QString& caption) = 0;
    // The hash of `program`'s steps on the controller (StepProgramHash) as this editor's last
    // whole send or receive of that program left them; "" when not known.
    virtual std::string controllerProgramHash(int program) const = 0;
};

// The print dialog as the editors' "Print" buttons reach it (`EditorFrame::setPrintScreen`).
class PrintScreen {
  public:
    virtual ~PrintScreen() = default;
    // Presets the range for `kind`'s listing and shows the dialog over `opener`, which stays
    // disabled until the dialog closes.
    virtual void printFrom(DataKind kind, QWidget* opener) = 0;
};

// The initialisation dialog (`InitDialog`) as the step editor's "Step initialize" and the direct
// screen's INIT PRM open it.
class InitDialogAccess {
  public:
    virtual ~InitDialogAccess() = default;
    // Shows the dialog for `opener` (disabled meanwhile by the opener) with `text` and, for
    // parameter initialisation, the robot-number list. Without a `yes` handler "Yes" only
    // closes the dialog as "No" does.
    virtual void openFor(QWidget* opener, const QString& text, bool showList,
                         std::function<void()> yes) = 0;
    // The robot number chosen; -1 when none.
    virtual int robotNumber() const = 0;
    // Hides the dialog while its Yes runs; `closeToOpener` then gives the opener back.
    virtual void dismiss() = 0;
    virtual void closeToOpener() = 0;
};

}  // namespace mivo
