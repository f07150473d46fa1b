// The plant broker's address as the settings and `mivo` give it: an address taken is written
// back and must read back the same.
#include "plant/mqtt_url.h"

#include <cstdlib>

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const mivo::MqttUrlRead read = mivo::ParseMqttUrl(mivo::fuzz::Text(data, size));
    if (!read.problem.empty()) return 0;
    const mivo::MqttUrlRead again = mivo::ParseMqttUrl(mivo::MqttUrlText(read.url));
    if (!again.problem.empty() || !(again.url == read.url)) std::abort();
    return 0;
}
