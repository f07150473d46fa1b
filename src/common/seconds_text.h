#pragma once
// Times as the user reads them, the same in every locale. Plain C++.
#include <cstdint>
#include <string>

namespace mivo {

// "12.35 s": seconds with two decimals, rounded half up (a negative time as 0).
std::string SecondsText(std::int64_t milliseconds);
// "12.346 s": seconds with three decimals, rounded half up.
std::string MillisecondsText(double seconds);
// "12.346": a number with three decimals, rounded half up (a negative one as 0).
std::string ThousandthsText(double value);

}  // namespace mivo
