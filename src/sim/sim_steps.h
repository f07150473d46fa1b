#pragma once
// The simulated controller's step programs: six programs of 1000 steps, the current program,
// and the commands that write, delete, read back and initialise steps.
#include <string>
#include <vector>

namespace mivo {

class SimCore;

class SimSteps {
  public:
    static constexpr int kPrograms = 6;
    static constexpr int kSteps = 1000;

    explicit SimSteps(SimCore& core);

    // Step records per program, "" for an empty step. A stored step is "<CMD> <fields>" as
    // "@READ STEP" answers after "S<s> ": "POI 000,1,2,3,0", "SEQ 800,25", a circle's two
    // steps "CIR 000,X,Y,Z" and "CIR 000,X2,Y2,X3,Y3".
    std::vector<std::vector<std::string>> programs;
    int currentProgram = 0;

    const std::vector<std::string>& program() const {
        return programs[static_cast<std::size_t>(currentProgram)];
    }
    std::vector<std::string>& program() {
        return programs[static_cast<std::size_t>(currentProgram)];
    }

  private:
    void addCommands();

    SimCore& core_;
    // "@WRITE CIR" in progress: its step, operation, the parts so far, the next part expected.
    struct Circle {
        int step = -1;
        std::string op, first, second;
        int part = 0;
    } circle_;
};

}  // namespace mivo
