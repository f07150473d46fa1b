#include "cli/fd_stream.h"

#include <unistd.h>

#include <cerrno>

namespace mivo {

namespace {

// A line kept for lastLine() is cut here: only its start is looked at.
constexpr std::size_t kKeptLine = 512;

}  // namespace

FdOutBuf::FdOutBuf(int fd, bool buffered, bool owned)
    : fd_(fd), buffered_(buffered), owned_(owned) {
    if (buffered_) setp(buffer_, buffer_ + sizeof buffer_);
}

FdOutBuf::~FdOutBuf() {
    flushBuffer();
    if (owned_) ::close(fd_);
}

bool FdOutBuf::writeOut(const char* s, std::size_t n) {
    if (error_ != 0) return false;
    while (n > 0) {
        const ssize_t w = ::write(fd_, s, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            return false;
        }
        s += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

bool FdOutBuf::flushBuffer() {
    if (!buffered_) return error_ == 0;
    const auto n = static_cast<std::size_t>(pptr() - pbase());
    setp(buffer_, buffer_ + sizeof buffer_);
    return writeOut(buffer_, n);
}

void FdOutBuf::track(const char* s, std::size_t n) {
    if (n > 0) written_ = true;
    for (std::size_t i = 0; i < n; ++i) {
        if (s[i] == '\n') {
            lastLine_ = line_;
            line_.clear();
        } else if (line_.size() < kKeptLine) {
            line_ += s[i];
        }
    }
}

void FdOutBuf::endLine() {
    if (line_.empty()) return;
    lastLine_ = line_;
    line_.clear();
}

FdOutBuf::int_type FdOutBuf::overflow(int_type ch) {
    if (buffered_ && !flushBuffer()) return traits_type::eof();
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    const char c = traits_type::to_char_type(ch);
    track(&c, 1);
    if (buffered_) {
        *pptr() = c;
        pbump(1);
        return ch;
    }
    return writeOut(&c, 1) ? ch : traits_type::eof();
}

std::streamsize FdOutBuf::xsputn(const char* s, std::streamsize n) {
    if (error_ != 0) return 0;
    const auto size = static_cast<std::size_t>(n);
    track(s, size);
    if (buffered_ && static_cast<std::size_t>(epptr() - pptr()) >= size) {
        traits_type::copy(pptr(), s, size);
        pbump(static_cast<int>(n));
        return n;
    }
    if (!flushBuffer() || !writeOut(s, size)) return 0;
    return n;
}

int FdOutBuf::sync() { return flushBuffer() ? 0 : -1; }

}  // namespace mivo
