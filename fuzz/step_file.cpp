// A step file as the editor and `mivo` open it: read from disk, then the text conversion.
#include "fuzz_input.h"
#include "steps/step_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::StepTable table;
    mivo::OpenStepFile(table, mivo::fuzz::AsFile(mivo::fuzz::Text(data, size)), mivo::OpenStp,
                       mivo::SilentPrompter::instance());
    return 0;
}
