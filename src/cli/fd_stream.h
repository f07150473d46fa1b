#pragma once
// An output stream buffer on a file descriptor that keeps the system's error of the first write
// that failed, so that the reason said is that write's and not whatever a later call left in
// errno. After a failure it takes nothing more: the stream it serves goes bad.
#include <streambuf>
#include <string>

namespace mivo {

class FdOutBuf : public std::streambuf {
  public:
    // `buffered`: gathers up to a few kilobytes before writing; otherwise every piece is
    // written as it comes. `owned`: the descriptor is closed with the buffer.
    FdOutBuf(int fd, bool buffered, bool owned = false);
    ~FdOutBuf() override;
    FdOutBuf(const FdOutBuf&) = delete;
    FdOutBuf& operator=(const FdOutBuf&) = delete;

    // The errno of the first write that failed; 0 when none did.
    int error() const { return error_; }
    // The last whole line written, without its line end, and whether anything was written.
    const std::string& lastLine() const { return lastLine_; }
    bool written() const { return written_; }
    // The line under way ended where the terminal's echo of an answer typed ended it.
    void endLine();

  protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

  private:
    bool writeOut(const char* s, std::size_t n);
    bool flushBuffer();
    void track(const char* s, std::size_t n);

    int fd_;
    int error_ = 0;
    char buffer_[4096];
    bool buffered_;
    bool owned_;
    bool written_ = false;
    std::string line_;  // the line being written
    std::string lastLine_;
};

}  // namespace mivo
