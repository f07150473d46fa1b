// `mivo`'s command line: the arguments parsed, the port options every port command reads
// (but --log, which would write a file) and the kinds that --kind and file names tell.
#include "cli/cli_args.h"
#include "cli/convert_command.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mivo::ParsedArgs args;
    std::string error;
    if (!mivo::ParseArgs(mivo::fuzz::Arguments(mivo::fuzz::Text(data, size)), mivo::MivoOptions(),
                         args, error))
        return 0;
    mivo::PortOptions port;
    if (!args.has("--log")) mivo::ReadPortOptions(args, port, error);
    const auto kind = args.has("--kind") ? std::optional(args.value("--kind")) : std::nullopt;
    for (const std::string& word : args.words) {
        mivo::OpenFilterForPath(word);
        mivo::ConvertKindFor(kind, word, word, error);
    }
    return 0;
}
