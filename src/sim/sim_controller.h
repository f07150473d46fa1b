#pragma once
// The simulated controller: the core (clock, command table, reply queue, faults) with its four
// command families, each owning its state. Plain C++; SimChannel (in process) and SimPty
// (pseudo-terminal) carry its lines.
//
// Replies as the editor relies on them (one line each, sent with CR LF). Times are the
// controller's clock: in process it jumps to what is due while a reply is awaited, on the
// pseudo-terminal it follows the wall clock.
// Steps (sim_steps.cpp), all on the current program:
//   "@?NO"      -> the program number ("0".."5"), "OK"
//   "@WRITE STEP s,CMD,OP,X,Y,Z,R" / "@WRITE STEP s,SEQ,OP,JUMP" -> "OK"
//   "@PDEL s" -> "OK"
//   "@WRITE CIR s,OP" -> "READY"; "1=X,Y,Z" -> "READY"; "2=X2,Y2" -> "READY"; "3=X3,Y3" -> "OK"
//   "@READ STEP s" -> "S<s> <CMD> <fields>", "OK"; a circle's first step gives its two lines
//                     "S5 CIR OP,X,Y,Z", "S6 CIR OP,X2,Y2,X3,Y3", then "OK";
//                     an empty step -> "NG", "57:No step data"
//   "@INIT PGM" -> "OK" (empties the current program); "@INIT PGM ALL" -> "OK" (all six)
// Motion and I/O (sim_motion.cpp, sim_motion_moves.cpp). Positions are texts with two
// decimals ("100.00"); a target outside the strokes (parameters 6 to 9 above, 10 to 13 below)
// is refused with "NG", "52:Soft limit" and nothing moves:
//   "@?ORG"     -> "0" or "1", "OK"
//   "@ORG"      -> "OK" once the axes are home: the way at the origin return speed plus the
//                  sensor search (about a second); origin state 0 meanwhile, 1 after
//   "@RUN"      -> "OK" at once; then the current program step by step from step 0, empty
//                  steps passed over: a move takes its distance at its speed (the axes'
//                  maximum speeds, parameters 22 to 25, or the interpolation speeds 26 and 27,
//                  times the step's rate), a SEQ timer its tenths of a second, an unconditional
//                  JUMP goes there; "END" at an END step or after step 999. An END step with
//                  code 2 (repetition driving) gives "CEND", "OK" and the program starts over.
//                  A step out of stroke gives "ERR", "52:Soft limit", "END"
//   "@SRUN"     -> the step at the step pointer (from 0, empty steps passed over), "OK" once
//                  done, the pointer on to the next; at an END step "END" (code 2: "CEND", the
//                  cycles so far, "OK") and the pointer back to 0; out of stroke "NG", "52:..."
//   "@GO s"     -> to step s's position (POI, LIN, CIR: X, Y, Z and R as stored; PAL: its
//                  pallet's first point), "OK" once there; an empty step "NG", "57:No step
//                  data"; a step without a position "NG", "11:Parameter error"
//   "@CIR GO s,p" -> point p of the circle starting at step s (1: X,Y,Z; 2: X2,Y2; 3: X3,Y3,
//                  the arc's points at the start's Z), "OK" once there
//   "@PAL GO k,p" -> corner point p (1 to 3) of pallet k (0 to 19; "03" as 3): X1,Y1 / X2,Y2
//                  / X3,Y3 of parameters 200 + 11k ..., all at Z1, "OK" once there
//   "@ZI"       -> Z to the virtual origin point (parameter 4), "OK" once there
//   "@OFF"      -> "OK": the current program's offsets (parameters 100 + 4p to 103 + 4p)
//                  become where the axes stand less where the last "@GO" went; without a GO
//                  "NG", "58:No GO position"
//   "@?POS n"   -> axis n (1 X, 2 Y, 3 Z, 4 R), "OK"; "@?POS 0" -> all four "X,Y,Z,R", "OK"
//   "@?SNO"     -> the step under way (program or single step), else the step pointer, "OK"
//   "@?C k"     -> pallet k's counters "X,Y" (parameters 200 + 11k + 9, + 10), "OK"
//   "@INIT C k" -> "OK", both counters of pallet k 0; "@INIT C ALL" -> "OK", all twenty
//   "@STOP"     -> what is under way (origin return, program, step, GO move) stops where it
//                  is: "STOP", "41:Stopped"; nothing under way: "OK"
//   "@MSTOP"    -> motors free, whatever is under way stops: "MSTOP", then "64:Motor free"
//                  when something stopped, else "OK"
//   "@ORG", "@RUN", "@SRUN", a GO move, "@OFF" while one is under way -> "NG",
//                  "15:In operation"
//   0x1A alone  -> "OK"
// Records (sim_records.cpp):
//   "@?Ver n"   -> the version of unit n (0 main, 1..4 X, Y, Z, R), "OK"; the main unit's
//                  text is what the parameter transfers compare ("1.03" is an old controller)
//   "@READ ERR" -> the error record lines, newest first, then "OK"
//   "@INIT ERR" -> "OK", the record emptied
//   "@?REL"     -> the release number ("R2.05"), "OK"
//   "@MOMCH"    -> four lines "EEP0:OK" .. "EEP3:OK", then "OK"
// Parameters (sim_parameters.cpp), numbers 0 to 525, 0 to 43 starting as robot 22's set:
//   "@WRITE PRM n,value" -> "OK" (the text after the comma stored as it stands);
//                          n = 0 (the robot number) or beyond 525 -> "NG", "45:Parameter No. error"
//   "@READ PRM n"        -> the value text, "OK"; beyond 525 -> "NG", "45:Parameter No. error"
//   "@INIT PRM r"        -> "OK", parameters 0 to 43 now robot r's set (r one of 10, 11, 12,
//                          20, 21, 22, 30, 31, 32); another r -> "NG", "45:Robot No. error"
// Core:
//   "@"         -> "OK" (the line reset after a "07" error)
//   unknown     -> "NG", "10:Command error"; bad argument -> "NG", "11:Parameter error"
#include "sim/sim_core.h"
#include "sim/sim_motion.h"
#include "sim/sim_parameters.h"
#include "sim/sim_records.h"
#include "sim/sim_steps.h"

namespace mivo {

class SimController : public SimCore {
  public:
    SimController() = default;

    SimSteps steps{*this};
    SimRecords records{*this};
    SimParameters parameters{*this};
    SimMotion motion{*this, steps, parameters};
};

}  // namespace mivo
