#pragma once
// What a screen may do with data another screen owns, by name: each owner implements its
// interface and `createScreens` hands it to the screens that use it. The windows themselves
// are in `Screens`, for showing and hiding only.
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
};

// The print dialog as the editors' "Print" buttons reach it (`Screens::print`).
class PrintScreen {
  public:
    virtual ~PrintScreen() = default;
    // Presets the range for `kind`'s listing and shows the dialog over `opener`, which stays
    // disabled until the dialog closes.
    virtual void printFrom(DataKind kind, QWidget* opener) = 0;
};

}  // namespace mivo
