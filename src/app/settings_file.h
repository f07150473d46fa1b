#pragma once
// The editor's settings file (plain C++): what it remembers between runs, as bytes in the INI
// form that QSettings reads and writes:
//   [com]       port=3  device="/dev/ttyUSB0"
//   [step]      folder="/home/u/robot"  recent="/home/u/a.stp", "/home/u/b.stp"  (each kind)
//   [windows]   StepEditor=@Rect(x y width height)  (a dock by its name too: its place in its
//   window)
//   [calibration]  robot22="0.972 1 1.023 1 0.01"  (the cycle estimate's, by robot number)
//   [plant]     after_run="notify-line3"  broker="mqtt://broker:1883/mivo"  (taken as text: the
//   broker is checked where it is used)
//   [display]   language="de"  (the language chosen; taken as text, an unknown one not spoken)
// A file holding anything else, or a value out of its kind or range, is damaged as a whole:
// nothing of it is taken.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mivo {

// A window's place: its frame's top left, and its size without the frame.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowPlace&) const = default;
};

struct RememberedSettings {
    std::optional<int> comPort;  // 1..8: COMn; 0: a device the system reported
    std::string comDevice;       // what COMn opens, or that device
    struct Editor {
        std::string folder;
        std::vector<std::string> recent;
        bool operator==(const Editor&) const = default;
    };
    std::map<std::string, Editor> editors;       // by kind: "step", "parameter" ...
    std::map<std::string, WindowPlace> windows;  // by the window's object name
    std::map<int, std::string> calibrations;     // by robot number, as the step editor says it
    std::string afterRun;                        // the command after each run
    std::string broker;                          // the plant's MQTT broker
    std::string language;                        // "en", "de", "ja"; "": the system's
    bool operator==(const RememberedSettings&) const = default;
};

// Reads a settings file's bytes (UTF-8). False, with `reason` naming the line, when they are
// damaged; `out` is then left empty.
bool ParseSettings(std::string_view bytes, RememberedSettings& out, std::string& reason);
// The bytes of a settings file that ParseSettings reads back as `settings`.
std::string SettingsText(const RememberedSettings& settings);

enum class SettingsRead {
    Absent,   // nothing there (a link to nothing included): nothing remembered yet
    Read,     // `out` holds it
    Damaged,  // a file that cannot be read, or that is no settings file
    NoFile,   // a directory or another non-file stands in its place
};
// Reads the settings file at `path`; `reason` says why it was not read.
SettingsRead ReadRemembered(const std::string& path, RememberedSettings& out, std::string& reason);

}  // namespace mivo
