#include "app/options.h"

#include <charconv>

namespace mivo {

namespace {

// "n=DEVICE" of --com.
bool ParseCom(const std::string& value, EditorOptions& out, std::string& error) {
    const auto eq = value.find('=');
    if (eq == std::string::npos) {
        error = "--com needs n=DEVICE, got '" + value + "'";
        return false;
    }
    const std::string number = value.substr(0, eq);
    const std::string device = value.substr(eq + 1);
    int n = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), n);
    if (number.empty() || ec != std::errc() || end != number.data() + number.size() || n < 1 ||
        n > 8) {
        error = "--com: the port number must be 1 to 8, got '" + number + "'";
        return false;
    }
    if (device.empty()) {
        error = "--com " + number + "=: the device is missing";
        return false;
    }
    out.devices[n] = device;
    return true;
}

}  // namespace

bool ParseEditorOptions(const std::vector<std::string>& args, EditorOptions& out,
                        std::string& error) {
    EditorOptions parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            parsed.help = true;
        } else if (a == "--simulator") {
            parsed.simulator = true;
        } else if (a == "--com") {
            if (i + 1 >= args.size()) {
                error = "--com needs a value n=DEVICE";
                return false;
            }
            if (!ParseCom(args[++i], parsed, error)) return false;
        } else if (a.rfind("--com=", 0) == 0) {
            if (!ParseCom(a.substr(6), parsed, error)) return false;
        } else {
            error = "unknown option '" + a + "'";
            return false;
        }
    }
    if (parsed.simulator && parsed.devices.count(1)) {
        error = "--simulator uses COM1; --com 1=... cannot be given with it";
        return false;
    }
    out = std::move(parsed);
    return true;
}

std::string EditorUsage() {
    return "Usage: mivo-editor [--com n=DEVICE]... [--simulator] [--help]\n"
           "  --com n=DEVICE  COMn (1..8) opens DEVICE (default /dev/ttyS<n-1>)\n"
           "  --simulator     COM1 opens a simulated controller on a pseudo-terminal\n"
           "  --help          show this text\n";
}

}  // namespace mivo
