#pragma once
// The simulated controller's parameter memory 0 to 525, held as texts as the editor sends and
// reads them; the motion reads its speeds from it.
#include <optional>
#include <string>
#include <vector>

namespace mivo {

class SimCore;

class SimParameters {
  public:
    static constexpr int kCount = 526;

    explicit SimParameters(SimCore& core);

    // Values as texts; 0 to 43 start as the robot-22 set, the others as "0".
    std::vector<std::string> values;

    // Parameter n read as a number; nullopt when it is no number.
    std::optional<double> number(int n) const;

  private:
    SimCore& core_;
};

}  // namespace mivo
