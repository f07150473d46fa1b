#pragma once
// The editor's command line: which device each COM item opens, the built-in simulated
// controller, help. Plain C++ so that it can be checked without a display.
#include <map>
#include <string>
#include <vector>

namespace mivo {

struct EditorOptions {
    std::map<int, std::string> devices;  // COMn (1..8) -> device path
    bool simulator = false;              // COM1 opens a simulated controller
    bool help = false;
};

// Parses the arguments after the program name. False, with the reason in `error`, for an
// unknown option, a missing value, a port outside 1..8 or an empty device.
bool ParseEditorOptions(const std::vector<std::string>& args, EditorOptions& out,
                        std::string& error);

std::string EditorUsage();

}  // namespace mivo
