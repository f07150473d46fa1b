#include "link/framing.h"

namespace mivo {

Framing FrameRequest(const std::string& command, bool directChannel) {
    if (command.empty()) return {"", false};
    if (command == "\x1A") return {command, true};
    if (command == "CEND") return {"", true};
    if (directChannel && command == "@RUN2") return {"@RUN\r\n", false};
    return {command + "\r\n", true};
}

}  // namespace mivo
