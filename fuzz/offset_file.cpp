// An offset file (".off") as the editor and `mivo` open it.
#include "fuzz_input.h"
#include "offsets/offset_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::OffsetData offsets;
    mivo::OpenOffsetFile(offsets, mivo::fuzz::AsFile(mivo::fuzz::Text(data, size)),
                         mivo::OffFilterOff, mivo::SilentPrompter::instance());
    return 0;
}
