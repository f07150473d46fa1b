// mivo-editor's command line, and its usage text for the program name given first.
#include "app/options.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args = mivo::fuzz::Arguments(mivo::fuzz::Text(data, size));
    mivo::EditorUsage(args.front());
    args.erase(args.begin());
    mivo::ParseEditorOptions(args);
    return 0;
}
