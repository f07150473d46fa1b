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

#include "common/teach_positions.h"
#include "files/data_kind.h"
#include "procedures/outcome.h"
#include "procedures/procedure_context.h"

namespace mivo {

struct TeachMove {
    std::string question;  // "GO move?", "ZI move?"; empty: none (the step chooser's move)
    std::string caption;
    // The move, sent once the robot is at origin: "@PAL GO 3,1", "@ZI", or one that reads the
    // step first. Returns its reply; "" when it ended without one. None: the sequence ends
    // after the origin check (the offset opener, whose step is chosen next).
    std::function<std::string(ProcedureContext&)> move;
    std::vector<int> axes{1, 2, 3, 4};  // read back with "@?POS n" (ZI: 3 only)
};

// The opener's sequence. `positions` gets the values read, by axis. Declined on a No, Failed
// after a reply of another class (its error line shown) or none.
Outcome MoveForTeaching(ProcedureContext& ctx, const TeachMove& move,
                        std::map<int, std::string>& positions);

// The step opener's move for step `step`: "@READ STEP step", then the GO move the record asks
// for, to point 1 (GoCommand: "@CIR GO step,1" for a circle, "@PAL GO nn,1" to the pallet a
// pallet step names, else "@GO step"). The record's lines go to `record` when given.
std::string StepTeachingMove(ProcedureContext& ctx, const std::string& step,
                             std::vector<std::string>* record = nullptr);

// What each opener, the editor of a kind, moves to before the teaching screen shows, asking its
// kind's teaching question: the step (`number`, its step number) with "GO move?", the parameter
// editor's ZI position with "ZI move?" (Z read back only), the pallet
// (`number`, the pallet number field) with "GO move?". The offset opener asks whether to teach
// the program's offsets and only checks the origin; its step is chosen next.
TeachMove OpenerMove(DataKind opener, const std::string& number);

// The step chooser's move to the step chosen: no question, its record into `record`.
TeachMove ChosenStepMove(const std::string& step, std::vector<std::string>* record);

// The teaching screen's GO move to point `point` (1 to 3) of the circle at step `number` or of
// pallet `number`: "@CIR GO 11,2", "@PAL GO 3,2". Empty for the openers without one.
std::string GoMoveCommand(DataKind opener, const std::string& number, int point);

// The step chooser's "Read step": "@READ STEP step", the record's lines into `record`; a
// refusal is shown. Completed when a record came.
Outcome ReadStepRecord(ProcedureContext& ctx, const std::string& step,
                       std::vector<std::string>& record);

// The offset teaching's OK: "@OFF", "@?NO" (the program), then the program's four offsets,
// the parameters they are read back from (`TaughtOffsetParameters`). `read` counts the offsets
// that came; an incomplete read-back (or a program without offsets) says "Data is not
// received properly" and keeps what came.
struct OffsetReadBack {
    bool sent = false;  // "@OFF" was answered "OK": the taught position is the offset
    std::string program;
    std::array<std::string, 4> offsets;
    int read = 0;
};
Outcome SendOffsetAndReadBack(ProcedureContext& ctx, OffsetReadBack& out);
// What the offset teaching's OK writes: the taught position, the offsets read back in its place.
TeachTexts TaughtOffsets(const TeachTexts& taught, const OffsetReadBack& back);

}  // namespace mivo
