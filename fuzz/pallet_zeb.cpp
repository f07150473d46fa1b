// A pallet's block of a ZEB data file (".crd"); the pallet number, "0" to "20" (20 has no
// block), follows the input's length.
#include "fuzz_input.h"
#include "pallets/pallet_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::PalletData pallet;
    pallet.number = std::to_string(size % 21);
    mivo::OpenPalletFile(pallet, mivo::fuzz::AsFile(mivo::fuzz::Text(data, size)), mivo::PltOpenCrd,
                         mivo::SilentPrompter::instance());
    return 0;
}
