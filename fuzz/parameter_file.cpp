// A parameter file (".prm") as the editor and `mivo` open it.
#include "fuzz_input.h"
#include "parameters/parameter_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::ParameterTable table;
    mivo::OpenParameterFile(table, mivo::fuzz::AsFile(mivo::fuzz::Text(data, size)),
                            mivo::PrmOpenPrm, mivo::SilentPrompter::instance());
    return 0;
}
