// The parameters of a ZEB data file (".crd"), then the initial values by robot number.
#include "fuzz_input.h"
#include "parameters/parameter_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::ParameterTable table;
    mivo::OpenParameterFile(table, mivo::fuzz::AsFile(mivo::fuzz::Text(data, size)),
                            mivo::PrmOpenCrd, mivo::SilentPrompter::instance());
    return 0;
}
