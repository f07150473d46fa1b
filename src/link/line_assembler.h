#pragma once
// Builds reply lines from received bytes: a line is the bytes up to LF, returned without the
// LF and a CR before it. NUL bytes are dropped; a line longer than kMaxLine is cut there and
// the rest up to its LF is skipped, so the next line is read whole. Bytes that cannot begin a
// reply line (control bytes other than CR and LF, DEL, 0xFF: a broken line's idle burst) are
// dropped before a line starts and kept to be reported.
#include <cstddef>
#include <string>

namespace mivo {

class LineAssembler {
  public:
    static constexpr std::size_t kMaxLine = 999;

    // Feeds one byte; true when it ended a line (fetch it with take()).
    bool feed(char byte);
    // The completed line; the assembler starts a new one.
    std::string take();
    // The bytes of the line received so far.
    const std::string& partial() const { return line_; }
    void clear();
    // The bytes dropped before a line began, since the last call.
    std::string takeDropped();

  private:
    std::string line_;
    std::string dropped_;
    bool complete_ = false;
};

}  // namespace mivo
