#pragma once
// The programs' version: the project's version, given by the build (CMakeLists.txt).
#include <string>

namespace mivo {

inline constexpr const char* kVersion = MIVO_VERSION;

// What `--version` prints: "mivo 1.03" and a line break.
inline std::string VersionLine(const std::string& program) {
    return program + " " + kVersion + "\n";
}

}  // namespace mivo
