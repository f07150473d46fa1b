#include "common/seconds_text.h"

#include <algorithm>
#include <cmath>

namespace mivo {

namespace {

// `units` of 1/`per` as "S.FF", the fraction `digits` long.
std::string Fixed(std::int64_t units, std::int64_t per, int digits) {
    std::string fraction = std::to_string(units % per);
    fraction.insert(0, static_cast<std::size_t>(digits) - fraction.size(), '0');
    return std::to_string(units / per) + "." + fraction;
}

}  // namespace

std::string SecondsText(std::int64_t milliseconds) {
    return Fixed((std::max<std::int64_t>(milliseconds, 0) + 5) / 10, 100, 2) + " s";
}

std::string MillisecondsText(double seconds) { return ThousandthsText(seconds) + " s"; }

std::string ThousandthsText(double value) {
    return Fixed(std::llround(std::max(value, 0.0) * 1000), 1000, 3);
}

}  // namespace mivo
