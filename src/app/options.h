#pragma once
// The editor's command-line options (plain C++):
//   --com n=DEVICE   COMn (1..8) opens DEVICE; repeatable
//   --simulator      the simulated controller on a pseudo-terminal, as COM1
//   --lang CODE      speak this language (en, de, ja) rather than the one chosen or the system's
//   --help, --version
//   FILE             opened in the editor of its kind
#include <map>
#include <string>
#include <vector>

namespace mivo {

struct EditorOptions {
    std::map<int, std::string> devices;  // by port number
    bool simulator = false;
    std::string language;  // "" when not given
    bool help = false;
    bool version = false;
    std::string file;  // empty: none given
};

struct EditorOptionsResult {
    bool ok = false;
    std::string error;  // set when !ok
    EditorOptions options;
};

// `args` without the program name.
EditorOptionsResult ParseEditorOptions(const std::vector<std::string>& args);
std::string EditorUsage(const std::string& program);

}  // namespace mivo
