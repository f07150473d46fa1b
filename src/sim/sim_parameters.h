#pragma once
// The simulated controller's parameter memory 0 to 525, held as texts as the editor sends and
// reads them; the motion reads its speeds from it. "@INIT PRM r" loads the set of robot r.
// The pallets' counters live in the memory too ("@?C", "@INIT C").
#include <optional>
#include <string>
#include <vector>

namespace mivo {

class SimCore;

class SimParameters {
  public:
    static constexpr int kCount = 526;
    static constexpr int kPallets = 20;
    // Refusals: a number outside the memory, or a write to the robot number (0), which only
    // "@INIT PRM" sets; a robot number the controller does not know.
    static constexpr const char* kNumberError = "45:Parameter No. error";
    static constexpr const char* kRobotError = "45:Robot No. error";

    explicit SimParameters(SimCore& core);

    // Values as texts; 0 to 43 start as the robot-22 set, the others as "0".
    std::vector<std::string> values;

    // Parameter n read as a number; nullopt when it is no number.
    std::optional<double> number(int n) const;

    // Loads parameters 0 to 43 of robot `robot`; false (nothing changed) for a robot number not
    // among 10, 11, 12, 20, 21, 22, 30, 31, 32.
    bool loadRobot(int robot);

    // The first parameter of pallet k (0..19): its nine data, then its counters X and Y.
    static int PalletBase(int k) { return 200 + 11 * k; }

  private:
    void addCounterCommands();

    SimCore& core_;
};

}  // namespace mivo
