#pragma once
// What the controller owes each command of the direct channel, as the exchange engine matches
// it (link/exchange_engine). Lines come in units: a status word ("NG", "ERR", "EMG", "MSTOP",
// "STOP") or "CEND" together with the line after it, any other line alone. Plain C++.
#include <string>
#include <vector>

namespace mivo {

// The shape of a command's answer.
enum class ReplyShape {
    Line,       // one line (or a status word and its line), whatever it is: a procedure shared
                // with the main channel reads on line by line ("CEND" reads one more)
    Done,       // "OK" at once ("@DO 3,1", "@INIT ERR", "@OFF")
    Value,      // a data line, then its "OK" ("@?ORG", "@?POS 1")
    Record,     // data lines, then "OK" ("@READ STEP 7"; a circle's record has two)
    Check,      // four lines beginning "EEP", then "OK" ("@MOMCH"); a line not beginning "EEP"
                // in their place is the check's error, and ends it
    Move,       // nothing at once; "OK" once the robot is there ("@ORG", "@GO 5", "@X1+")
    StepRun,    // a move whose end is "OK", "END", or "CEND" with its line and an "OK" ("@SRUN")
    Run,        // "OK", "OK" at once; then, whenever the program ends, "END" ("@RUN")
    Hold,       // nothing until a stop ends it (a held jog, "@X2+", "@X3+")
    Stop,       // "OK" (nothing moved), "STOP" and its line, or "CEND" and three lines ("@STOP")
    MotorStop,  // "MSTOP" and its line ("@MSTOP")
    Stream,     // the main channel's: every line that comes, read one at a time; the first is
                // owed, the others are kept while the line goes on and the reader reads
};

// The shape of `command`'s answer. A command the table does not know is taken line by line.
ReplyShape ShapeOf(const std::string& command);

// Whether the shape moves the robot: its end comes whenever the move ends, and other commands
// may go out meanwhile.
bool Moves(ReplyShape shape);

// The direct channel's commands, one of each kind as the direct-operation screen sends them:
// the engine's own table, which the tests walk.
struct CommandShape {
    std::string command;
    ReplyShape shape;
};
const std::vector<CommandShape>& DirectCommands();

}  // namespace mivo
