// The steps of a ZEB data file (".crd") as the step editor and `mivo convert` import them.
#include "fuzz_input.h"
#include "steps/step_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::StepTable table;
    mivo::OpenStepFile(table, mivo::fuzz::AsFile(mivo::fuzz::Text(data, size)), mivo::OpenCrd,
                       mivo::SilentPrompter::instance());
    return 0;
}
