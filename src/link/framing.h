#pragma once
// What a request text puts on the line and whether a reply line is awaited. Shared by the
// serial link and the in-process simulated channel so both frame requests alike.
#include <string>

namespace mivo {

struct Framing {
    std::string bytes;  // written to the line as they stand
    bool awaitReply = false;
};

// "" sends nothing and does not wait; a lone 0x1A goes out without a line end; "CEND" sends
// nothing and waits; "@RUN2" on the direct channel sends "@RUN" and does not wait; anything
// else is sent with CR LF and waits for one line.
Framing FrameRequest(const std::string& command, bool directChannel);

}  // namespace mivo
