#pragma once
// The commands of the direct-operation screen that move the robot as a program would: return
// to origin, run, single step, the GO moves, ZI, offset, stop and motor stop, and the cancel
// panel. Each runs the direct command cycle; the fields it needs are read from the view.
// Completed when the controller gave the expected reply ("OK", "END" for a run).
#include "direct/direct_session.h"
#include "procedures/outcome.h"

namespace mivo {

Outcome ReturnToOriginDirect(DirectSession& s);  // ORG
// RUN: program number, origin check, "PGMn will be started.  OK?", "@RUN" and its replies
// until "END". While "Monitoring" is on, "@RUN" goes out without a wait and the monitor takes
// over the replies.
Outcome RunProgram(DirectSession& s);
Outcome RunStep(DirectSession& s);        // SRUN
Outcome GoMove(DirectSession& s);         // GO: to step GoStep, point GoPoint
Outcome PalletGoMove(DirectSession& s);   // PALGO: pallet PalletNumber, point PalletPoint
Outcome ZiMove(DirectSession& s);         // ZI
Outcome OffsetExecute(DirectSession& s);  // OFF
// The STOP and MSTOP panels. Pressed while another command waits, they end that command's
// wait afterwards, so that it goes to its end steps.
Outcome StopPanel(DirectSession& s);
Outcome MotorStopPanel(DirectSession& s);
// The communication-cancel panel: the monitor ends, the line goes off line.
void CancelPanel(DirectSession& s);

}  // namespace mivo
