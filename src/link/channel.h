#pragma once
// One channel to the controller, as a procedure sees it. Implemented by the serial link
// (main and direct channel) and by the simulated controller in process.
#include <string>

namespace mivo {

class Channel {
  public:
    virtual ~Channel() = default;
    // Sends `command` with the link's framing and waits for one reply line, returned without
    // its line end. "" sends nothing and returns "" at once; "CEND" sends nothing and waits.
    // An empty result means the wait ended without a line (or an empty line arrived).
    virtual std::string request(const std::string& command) = 0;
    // Waits for the next reply line without sending anything.
    virtual std::string next() = 0;
    // Reads and discards pending input until the line has been quiet for a while.
    virtual void drain() = 0;
};

}  // namespace mivo
