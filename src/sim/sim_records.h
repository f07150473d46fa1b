#pragma once
// The simulated controller's records: the unit versions, the release number, the error record
// and the memory check.
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
    std::string release = "R2.05";
    // Newest first.
    std::vector<std::string> errorRecord{"E21:Origin return error", "E10:Emergency stop"};
    // The four lines of "@MOMCH", one per memory bank.
    std::vector<std::string> memoryCheck{"EEP0:OK", "EEP1:OK", "EEP2:OK", "EEP3:OK"};

  private:
    SimCore& core_;
};

}  // namespace mivo
