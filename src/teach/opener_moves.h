#pragma once
// What the teaching openers send before the teaching screen shows, and what its OK sends for an
// offset: procedures on a channel, without widgets. The openers ask their question, check the
// origin (returning to it as an operation when the user agrees), move, and read the positions
// the teaching screen starts from; the offset OK sends "@OFF" and reads the program's offsets
// back.
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

struct TeachMove {
    std::string question;  // "GO move?", "ZI move?"; empty: none (the offset opener asked first)
    std::string caption;
    // The move, sent once the robot is at origin: "@PAL GO 3,1", "@ZI", or one that reads the
    // step first. Returns its reply; "" when it ended without one.
    std::function<std::string(ProcedureContext&)> move;
    std::vector<int> axes{1, 2, 3, 4};  // read back with "@?POS n" (ZI: 3 only)
};

// The opener's sequence. `positions` gets the values read, by axis. Declined on a No, Failed
// after a reply of another class (its error line shown) or none.
Outcome MoveForTeaching(ProcedureContext& ctx, const TeachMove& move,
                        std::map<int, std::string>& positions);

// The step opener's move for step `step`: "@READ STEP step", then "@CIR GO step,1" for a
// circle, "@PAL GO step,1" for a pallet step, else "@GO step".
std::string StepTeachingMove(ProcedureContext& ctx, const std::string& step);

// The offset teaching's OK: "@OFF", "@?NO" (the program), then the program's four offsets,
// the parameters they are read back from (`TaughtOffsetParameters`). `read` counts the offsets
// that came; an incomplete read-back (or a program without offsets) says "Data is not
// received properly" and keeps what came.
struct OffsetReadBack {
    std::string program;
    std::array<std::string, 4> offsets;
    int read = 0;
};
Outcome SendOffsetAndReadBack(ProcedureContext& ctx, OffsetReadBack& out);

}  // namespace mivo
