#include "cli/cli_args.h"

#include "common/convert.h"
#include "common/readable_text.h"

namespace mivo {

bool ParseArgs(const std::vector<std::string>& args, const OptionSpec& known, ParsedArgs& out,
               std::string& error) {
    out = {};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            out.words.insert(out.words.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        }
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            out.words.push_back(arg);
            continue;
        }
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        std::string value;
        if (known.flags.count(name) != 0) {
            if (eq != std::string::npos) {
                error = "option " + name + " takes no value";
                return false;
            }
        } else if (known.valued.count(name) != 0) {
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                error = "option " + name + " needs a value";
                return false;
            }
        } else {
            error = "unknown option " + name;
            return false;
        }
        if (!out.options.emplace(name, value).second) {
            error = "option " + name + " given twice";
            return false;
        }
    }
    return true;
}

int ReadPortOptions(const ParsedArgs& args, PortOptions& out, std::string& problem) {
    if (args.has("--timeout")) {
        double seconds = 0;
        try {
            seconds = StrToFloat(args.value("--timeout"));
        } catch (const ConversionError& e) {
            problem = e.what();
            return kExitUsage;
        }
        if (seconds <= 0 || seconds > 86400) {
            problem = "--timeout wants seconds above 0";
            return kExitUsage;
        }
        out.timeoutMs = static_cast<int>(seconds * 1000);
    }
    if (args.has("--log")) {
        // Appended to: a run that fails, a port that cannot be opened included, never empties
        // the log of an earlier one.
        out.log =
            std::make_unique<std::ofstream>(args.value("--log"), std::ios::binary | std::ios::app);
        if (!*out.log) {
            problem = "cannot write " + EscapeControlBytes(args.value("--log"));
            return kExitFailed;
        }
    }
    return kExitCompleted;
}

const OptionSpec& MivoOptions() {
    static const OptionSpec known{
        {"--yes", "--help", "--version", "--quick", "--time"},
        {"--port", "--timeout", "--log", "--range", "--kind", "--pallet", "--mode", "--hold",
         "--cycles", "--parameters", "--pdf", "--program", "--only"}};
    return known;
}

}  // namespace mivo
