#pragma once
// The teaching screen's own commands, on the direct channel through its session: ORG, GO move
// to a circle's or pallet's point, and the offset teaching's OK. Its jogging is the direct
// screen's (`direct/jog.h`) in the teaching style.
#include <string>

#include "direct/direct_session.h"
#include "procedures/outcome.h"
#include "teach/opener_moves.h"

namespace mivo {

// ORG: "Return-to-origin will be executed. OK?", "@ORG" as a motion; "OK" reads the positions,
// no reply takes the line off, another class shows its error line.
Outcome TeachReturnToOrigin(DirectSession& s);

// GO move: "GO move?", the origin check as a jog's, then `command` ("@CIR GO 11,2") as a
// motion; "OK" reads the positions into the point chosen.
Outcome TeachGoMove(DirectSession& s, const std::string& command);

// The offset teaching's OK: refused with "@OFF command cannot be sent" when the line is not
// usable, then "@OFF command will be sent. OK?" and `SendOffsetAndReadBack`.
Outcome TeachOffsetOk(DirectSession& s, bool lineUsable, OffsetReadBack& out);

}  // namespace mivo
