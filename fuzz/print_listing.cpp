// The listings `mivo print` and the print dialog build, over the input opened as each kind of
// data file.
#include "fuzz_input.h"
#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"
#include "parameters/parameter_files.h"
#include "print/listing.h"
#include "steps/step_files.h"

namespace {

void List(mivo::DataKind kind, const std::vector<std::string>& values) {
    mivo::BuildListing(kind, values, 0, mivo::HeaderLine(kind, "2024/01/31", "12:00:00"), 41.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& file = mivo::fuzz::AsFile(mivo::fuzz::Text(data, size));
    mivo::Prompter& silent = mivo::SilentPrompter::instance();
    const auto read = mivo::OpenOutcome::Completed;
    mivo::StepTable steps;
    if (mivo::OpenStepFile(steps, file, mivo::OpenStp, silent) == read)
        List(mivo::DataKind::Step, mivo::StepListingValues(steps, 0, 999));
    mivo::ParameterTable parameters;
    if (mivo::OpenParameterFile(parameters, file, mivo::PrmOpenPrm, silent) == read)
        List(mivo::DataKind::Parameter, mivo::ParameterListingValues(parameters, 0, 43));
    mivo::PalletData pallet;
    if (mivo::OpenPalletFile(pallet, file, mivo::PltOpenPlt, silent) == read)
        List(mivo::DataKind::Pallet, mivo::PalletListingValues(pallet));
    mivo::OffsetData offsets;
    if (mivo::OpenOffsetFile(offsets, file, mivo::OffFilterOff, silent) == read)
        List(mivo::DataKind::Offset, mivo::OffsetListingValues(offsets));
    return 0;
}
