#pragma once
// The simulated controller's records: the unit versions and the error record.
#include <array>
#include <string>
#include <vector>

namespace mivo {

class SimCore;

class SimRecords {
  public:
    static constexpr int kUnits = 5;  // 0 main, 1..4 the X, Y, Z, R units

    explicit SimRecords(SimCore& core);

    std::array<std::string, kUnits> versions{"V1.20", "V1.01", "V1.02", "V1.03", "V1.04"};
    // Newest first.
    std::vector<std::string> errorRecord{"E21:Origin return error", "E10:Emergency stop"};

  private:
    SimCore& core_;
};

}  // namespace mivo
