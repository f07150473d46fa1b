#pragma once
// The cancel dialog for the time of an operation, in one of its three guises.
#include "procedures/procedure_context.h"

namespace mivo {

enum class SessionKind {
    DataExchange,  // "Transferring" / "Cancel": Cancel stops between two items
    Motion,        // "Operating" / "Stop operation": Cancel stops the robot with "@MSTOP"
    MotorStop,     // "MSTOP send" / "Cancel": the motors are being freed
};

// Clears CancelRequested, sets the dialog's texts, drains the line and shows the dialog; hides
// the dialogs again when it goes out of scope.
class TransferSession {
  public:
    TransferSession(ProcedureContext& ctx, SessionKind kind);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

  private:
    ProcedureContext& ctx_;
};

// Switches the showing dialog to another guise (a data query that goes on with a motion).
void SetSessionKind(ProcedureContext& ctx, SessionKind kind);

}  // namespace mivo
