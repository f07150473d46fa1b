#pragma once
// The simulated controller: the core (clock, command table, reply queue, faults) with its
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
// Motion (sim_motion.cpp: axes; sim_jog.cpp: jogs; sim_runs.cpp, sim_moves.cpp: runs and GO
// moves). Positions are texts with two decimals ("100.00"); a target outside the strokes
// (parameters 6 to 9 above, 10 to 13 below) is refused with "NG", "52:Soft limit" and nothing
// moves. Moves, runs and jogs are not refused before an origin return: the screens ask first.
//   "@?ORG"     -> "0" or "1", "OK"
//   "@ORG"      -> "OK" once the axes are home: the way at the origin return speed plus the
//                  sensor search (about a second); origin state 0 meanwhile, 1 after
//   "@RUN"      -> "OK" and a second "OK" at once; then the current program step by step from
//                  step 0, empty steps passed over: a move takes its distance at its speed (the
//                  axes' maximum speeds, parameters 22 to 25, or the interpolation speeds 26
//                  and 27, times the step's rate), a SEQ timer its tenths of a second, an
//                  unconditional JUMP goes there; "END" at an END step or after step 999. An
//                  END step with code 2 (repetition driving) gives "CEND", "OK" and the program
//                  starts over. A step out of stroke gives "ERR", "52:Soft limit", "END".
//                  Queries sent meanwhile are answered at once, between the program's lines
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
//   "@X1+" .. "@R1-" -> one move amount (parameters 36 to 39) at the 1/2 speed (28, 30, 32,
//                  34), "OK" once there; past the stroke "NG", "52:Soft limit"
//   "@X2+" .. "@R3-" -> moves at the 1/2 speed (mode 2) or the 3 speed (29, 31, 33, 35, mode 3)
//                  until "@STOP", standing at the stroke end meanwhile; no reply of its own
//                  (the whole sequence with the screen's press and release: sim_jog.cpp)
//   "@?POS n"   -> axis n (1 X, 2 Y, 3 Z, 4 R), "OK"; "@?POS 0" -> all four "X,Y,Z,R", "OK".
//                  The position read fault: "ERR", "32:Position read error", then as usual
//   "@?SNO"     -> the step under way (program or single step), else the step pointer, "OK"
//   "@STOP"     -> what is under way (origin return, program, step, GO move, jog) stops where
//                  it is: "STOP", "41:Stopped"; nothing under way: "OK"
//   "@MSTOP"    -> motors free, whatever is under way stops: "MSTOP", then "64:Motor free"
//                  when something stopped, else "OK"
//   "@ORG", "@RUN", "@SRUN", a GO move, a jog, "@OFF" while one is under way -> "NG",
//                  "15:In operation"
//   0x1A alone  -> "OK"
// Outputs and inputs (sim_io.cpp), sixteen each; a number beyond 15 or a state other than 0
// or 1 -> "NG", "11:Parameter error":
//   "@DO n,s"   -> "OK", output n off (s 0) or on (s 1)
//   "@?DO n", "@?DI n" -> "0" or "1", "OK"
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
//   "@?C k"              -> pallet k's counters "X,Y" (parameters 200 + 11k + 9, + 10), "OK"
//   "@INIT C k"          -> "OK", both counters of pallet k 0; "@INIT C ALL" -> "OK", all twenty
// Core:
//   "@"         -> "OK" (the line reset after a "07" error)
//   unknown     -> "NG", "10:Command error"; bad argument -> "NG", "11:Parameter error"
// Every data value ("@?ORG", "@?NO", "@READ STEP", "@?POS", "@?SNO", "@?DO", "@?DI", "@?C",
// "@?REL", "@?Ver", "@READ PRM") is followed by a trailing "OK".
#include "sim/sim_core.h"
#include "sim/sim_io.h"
#include "sim/sim_motion.h"
#include "sim/sim_parameters.h"
#include "sim/sim_records.h"
#include "sim/sim_runs.h"
#include "sim/sim_steps.h"

namespace mivo {

class SimController : public SimCore {
  public:
    SimController() = default;

    SimSteps steps{*this};
    SimRecords records{*this};
    SimParameters parameters{*this};
    SimMotion motion{*this, parameters};
    SimRuns runs{*this, motion, steps, parameters};
    SimIo io{*this};
};

}  // namespace mivo
