// A pallet file (".plt") as the editor and `mivo` open it.
#include "fuzz_input.h"
#include "pallets/pallet_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::PalletData pallet;
    mivo::OpenPalletFile(pallet, mivo::fuzz::AsFile(mivo::fuzz::Text(data, size)), mivo::PltOpenPlt,
                         mivo::SilentPrompter::instance());
    return 0;
}
