#pragma once
// The maintenance commands of the direct-operation screen: the controller's counters, programs,
// error record and state queried and reset, and the preparation of the parameters'
// initialisation. Each runs the direct command cycle; Completed on the expected reply.
#include "direct/direct_session.h"
#include "procedures/outcome.h"

namespace mivo {

Outcome InitCounter(DirectSession& s);      // INIT C: counter CounterToClear
Outcome InitAllCounters(DirectSession& s);  // INIT C ALL
// INIT PGM: "@?NO", the step editor's save offer, the question for that program, "@INIT PGM";
// on "OK" the step editor is emptied.
Outcome InitProgram(DirectSession& s);
Outcome InitAllPrograms(DirectSession& s);  // INIT PGM ALL, the same around "@INIT PGM ALL"
Outcome InitErrors(DirectSession& s);       // INIT ERR

// The queries; the value is in the display (and for ?SNO in Step, for ?POS in the positions).
Outcome QueryStepNo(DirectSession& s);         // ?SNO
Outcome QueryProgramNumber(DirectSession& s);  // ?NO
Outcome QueryPositions(DirectSession& s);      // ?POS: "@?POS 0", then each axis
Outcome QueryOrigin(DirectSession& s);         // ?ORG
Outcome QueryCounter(DirectSession& s);        // ?C: counter CounterToRead
Outcome QueryRelease(DirectSession& s);        // ?REL
// MOMCH: four lines beginning "EEP", then "OK".
Outcome MemoryCheck(DirectSession& s);
// The four axis positions alone, as STOP reads them after it stopped the robot.
Outcome ReadAxisPositions(DirectSession& s);

// INIT PRM before the robot-number dialog opens: input drained, the motor-stop request
// cleared, the cancel dialog's texts "Transferring" and "Cancel".
void PrepareParameterInit(DirectSession& s);

}  // namespace mivo
