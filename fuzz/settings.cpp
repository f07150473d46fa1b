// mivo-editor's settings file: read as the editor reads it at start; what it takes is written
// back and must read back the same.
#include <cstdlib>

#include "app/settings_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::RememberedSettings settings;
    std::string reason;
    if (!mivo::ParseSettings(mivo::fuzz::Text(data, size), settings, reason)) return 0;
    mivo::RememberedSettings again;
    if (!mivo::ParseSettings(mivo::SettingsText(settings), again, reason) || !(again == settings))
        std::abort();
    return 0;
}
