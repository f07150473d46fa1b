#pragma once
// The controls of the direct-operation screen by name, and which enable set each belongs to.
#include <array>
#include <string>
#include <vector>

#include "direct/direct_view.h"

namespace mivo {

// The eight jog buttons: "X1" X+, "X2" X-, ... "R2" R-.
inline const std::array<const char*, 8> kJogButtons = {"X1", "X2", "Y1", "Y2",
                                                       "Z1", "Z2", "R1", "R2"};

// "DO0".."DO15" or "DI0".."DI15".
std::vector<std::string> IoPanelNames(const char* prefix);

// The names of the controls of `set` (the position group is enabled with MonitorControls by
// the screen itself).
std::vector<std::string> EnableSetMembers(EnableSet set);

}  // namespace mivo
