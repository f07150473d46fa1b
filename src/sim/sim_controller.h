#pragma once
// The simulated controller: its memory and the reply lines for each command, plus faults on
// request. Plain C++; SimChannel (in process) and SimPty (pseudo-terminal) carry its lines.
//
// Replies as the editor relies on them (one line each, sent with CR LF):
//   "@?NO"      -> the program number ("0".."5"), "OK"
//   "@?ORG"     -> "0" or "1", "OK"
//   "@ORG"      -> "OK" (origin state 1)
//   "@?Ver n"   -> the version of unit n (0 main, 1..4 X, Y, Z, R), "OK"
//   "@MSTOP"    -> "MSTOP", "OK"
//   "@STOP"     -> "OK"
//   0x1A alone  -> "OK"
//   "@"         -> "OK" (the line reset after a "07" error)
// Step programs (sim_steps.cpp), all on the current program:
//   "@WRITE STEP s,CMD,OP,X,Y,Z,R" / "@WRITE STEP s,SEQ,OP,JUMP" -> "OK"
//   "@PDEL s" -> "OK"
//   "@WRITE CIR s,OP" -> "READY"; "1=X,Y,Z" -> "READY"; "2=X2,Y2" -> "READY"; "3=X3,Y3" -> "OK"
//   "@READ STEP s" -> "S<s> <CMD> <fields>", "OK"; a circle's first step gives its two lines
//                     "S5 CIR OP,X,Y,Z", "S6 CIR OP,X2,Y2,X3,Y3", then "OK";
//                     an empty step -> "NG", "57:No step data"
//   "@INIT PGM" -> "OK" (empties the current program)
//   "@RUN" -> "OK", then "END" once the program has run
//   "@READ ERR" -> the error record lines, newest first, then "OK"
//   unknown     -> "NG", "10:Command error"; bad argument -> "NG", "11:Parameter error"
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace mivo {

// Which command a fault hits: none, every one, or the k-th (counted from 1).
struct SimPick {
    static constexpr int kNone = 0;
    static constexpr int kEvery = -1;
    int which = kNone;
    bool hits(int n) const { return which == kEvery || (which > 0 && which == n); }
};

struct SimFaults {
    SimPick silent;  // no reply at all
    SimPick refuse;  // "NG" and refuseLine instead of the reply
    std::string refuseLine = "10:Command error";
    SimPick garbage;   // a line of noise instead of the reply
    SimPick longLine;  // an over-long line before the reply
    std::size_t longLineLength = 1500;
    // After each reply, once the line is quiet, bytes as a stuck line sends (SimPty only).
    bool equalBytesWhenIdle = false;
    int idleDelayMs = 100;
    // After this many commands the next one closes the line (-1: never).
    int hangupAfter = -1;
};

class SimController {
  public:
    static constexpr int kPrograms = 6;
    static constexpr int kSteps = 1000;
    static constexpr int kUnits = 5;

    // A command's handler gets the text after the keyword (and its blank) and queues replies.
    using Handler = std::function<void(const std::string& args)>;

    SimController();

    // Registers `keyword` ("@?Ver", "@WRITE STEP", "1="). A line matches when it is the
    // keyword, or starts with it followed by a blank, or the keyword ends with '='. The
    // longest matching keyword wins; a later registration replaces an earlier one.
    void addCommand(const std::string& keyword, Handler handler);

    // One command line as received, without its line end; queues the reply lines.
    void receive(const std::string& command);

    void reply(const std::string& line);
    void refuse(const std::string& errorLine);  // "NG" then the error line
    bool hasReply() const { return !replies_.empty(); }
    std::string takeReply();
    void clearReplies() { replies_.clear(); }

    // Bytes a stuck line would send, when that fault is on (else empty).
    std::string idleNoise() const;
    bool hungUp() const { return hungUp_; }
    const std::vector<std::string>& received() const { return received_; }

    SimFaults faults;

    // Memory.
    int currentProgram = 0;
    int originState = 0;
    std::array<std::string, kUnits> versions{"V1.20", "V1.01", "V1.02", "V1.03", "V1.04"};
    // Step records per program, "" for an empty step; their layout is the step commands'.
    // A stored step is "<CMD> <fields>" as "@READ STEP" answers after "S<s> ".
    std::vector<std::vector<std::string>> programs;
    std::vector<std::string> errorRecord{"E21:Origin return error", "E10:Emergency stop"};

  private:
    void addBuiltins();
    void addStepCommands();
    std::vector<std::string>& program() { return programs[static_cast<std::size_t>(currentProgram)]; }
    // "@WRITE CIR" in progress: its step, operation, the parts so far, the next part expected.
    struct Circle {
        int step = -1;
        std::string op, first, second;
        int part = 0;
    } circle_;
    std::vector<std::pair<std::string, Handler>> commands_;
    std::deque<std::string> replies_;
    std::vector<std::string> received_;
    bool hungUp_ = false;
};

}  // namespace mivo
