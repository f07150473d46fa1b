#include "app/options.h"

#include "i18n/languages.h"

namespace mivo {

namespace {

// "n=DEVICE" with n 1..8 and a device that is not empty.
bool ParseCom(const std::string& value, EditorOptions& options, std::string& error) {
    const auto eq = value.find('=');
    const std::string number = value.substr(0, eq);
    const bool digit = number.size() == 1 && number[0] >= '1' && number[0] <= '8';
    if (eq == std::string::npos || !digit) {
        error = "--com expects n=DEVICE with n from 1 to 8, not '" + value + "'";
        return false;
    }
    const std::string device = value.substr(eq + 1);
    if (device.empty()) {
        error = "--com " + value + ": the device is missing";
        return false;
    }
    options.devices[number[0] - '0'] = device;
    return true;
}

bool ParseLanguage(const std::string& value, EditorOptions& options, std::string& error) {
    if (!KnownLanguage(value)) {
        error = "--lang expects en, de or ja, not '" + value + "'";
        return false;
    }
    options.language = value;
    return true;
}

}  // namespace

EditorOptionsResult ParseEditorOptions(const std::vector<std::string>& args) {
    EditorOptionsResult result;
    EditorOptions& o = result.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--simulator") {
            o.simulator = true;
        } else if (a == "--com") {
            if (i + 1 >= args.size()) {
                result.error = "--com expects n=DEVICE";
                return result;
            }
            if (!ParseCom(args[++i], o, result.error)) return result;
        } else if (a.rfind("--com=", 0) == 0) {
            if (!ParseCom(a.substr(6), o, result.error)) return result;
        } else if (a == "--lang") {
            if (i + 1 >= args.size()) {
                result.error = "--lang expects a language: en, de or ja";
                return result;
            }
            if (!ParseLanguage(args[++i], o, result.error)) return result;
        } else if (a.rfind("--lang=", 0) == 0) {
            if (!ParseLanguage(a.substr(7), o, result.error)) return result;
        } else if (a.rfind('-', 0) != 0 && o.file.empty()) {
            o.file = a;
        } else {
            result.error =
                (a.rfind('-', 0) == 0 ? "unknown option '" : "one file at most, not '") + a + "'";
            return result;
        }
    }
    if (o.simulator && o.devices.count(1)) {
        result.error = "--simulator is COM1; it cannot be given with --com 1=...";
        return result;
    }
    result.ok = true;
    return result;
}

std::string EditorUsage(const std::string& program) {
    return "Usage: " + program +
           " [--com n=DEVICE]... [--simulator] [--lang CODE] [FILE]\n       " + program +
           " --help | --version\n"
           "  --com n=DEVICE  COMn (n 1 to 8) opens DEVICE (default /dev/ttyS<n-1>)\n"
           "  --simulator     run the simulated controller on a pseudo-terminal as COM1\n"
           "  --lang CODE     speak en (English), de (German) or ja (Japanese), not the language\n"
           "                  chosen in the Settings or the system's\n"
           "  FILE            open FILE (.stp, .prm, .plt or .off) in the editor of its kind\n"
           "  --help          show this text\n"
           "  --version       show the version\n";
}

}  // namespace mivo
