#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/said_text.h"

namespace mivo {

namespace {

std::string SystemReason(int error) { return std::strerror(error); }

// Closes a descriptor on every way out.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view content) {
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// The folder `path` is written in (through a temporary file and a rename) is one this user may
// write into; otherwise false with the system's reason ("No such file or directory" for a
// folder that does not exist), said before a save's work rather than at its end.
bool FolderWritable(const std::string& path, std::string& reason) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        reason = SystemReason(errno);
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        reason = SystemReason(ENOTDIR);
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        reason = SystemReason(errno);
        return false;
    }
    return true;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& content, std::string& reason) {
    std::string data;
    if (!ReadWholeBinaryFile(path, data, reason) || !IsTextContent(data, reason)) return false;
    content = std::move(data);
    return true;
}

bool IsTextContent(std::string_view content, std::string& reason) {
    if (content.find('\0') == std::string_view::npos) return true;
    reason = UI_TEXT("Message", "Not a text file (it contains NUL bytes)");
    return false;
}

bool ReadWholeBinaryFile(const std::string& path, std::string& content, std::string& reason) {
    // Non-blocking, so that a FIFO does not hang the open; it is refused below anyway.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        reason = SystemReason(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        reason = SystemReason(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        reason = SystemReason(EISDIR);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        reason = UI_TEXT("Message", "Not a regular file");
        return false;
    }
    if (static_cast<unsigned long long>(st.st_size) > kMaxDataFileSize) {
        reason = UI_TEXT("Message", "File is too large");
        return false;
    }
    std::string data;
    data.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    // The size may change while reading; never read past the cap.
    for (;;) {
        if (got == data.size()) {
            if (data.size() > kMaxDataFileSize) {
                reason = UI_TEXT("Message", "File is too large");
                return false;
            }
            data.resize(data.size() + 4096);
        }
        const ssize_t n = ::read(fd.get(), data.data() + got, data.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            reason = SystemReason(errno);
            return false;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    if (data.size() > kMaxDataFileSize) {
        reason = UI_TEXT("Message", "File is too large");
        return false;
    }
    content = std::move(data);
    return true;
}

bool SaveTarget(const std::string& path, std::string& target, std::string& reason) {
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) {
            // A new file, or the missing file a link names.
            if (errno == ENOENT) return FolderWritable(target, reason);
            reason = SystemReason(errno);
            return false;
        }
        if (!S_ISLNK(st.st_mode)) {
            if (!S_ISREG(st.st_mode)) {
                reason = S_ISDIR(st.st_mode) ? SystemReason(EISDIR)
                                             : UI_TEXT("Message", "Not a regular file");
                return false;
            }
            // The rename would replace it whatever its permissions say.
            if (IsReadOnlyFile(target)) {
                reason = "it is read-only";
                return false;
            }
            return FolderWritable(target, reason);
        }
        std::vector<char> link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) {
            reason = SystemReason(errno);
            return false;
        }
        std::string next(link.data(), static_cast<std::size_t>(n));
        if (next.empty() || next[0] != '/') {
            const std::size_t slash = target.rfind('/');
            if (slash != std::string::npos) next = target.substr(0, slash + 1) + next;
        }
        target = std::move(next);
    }
    reason = SystemReason(ELOOP);
    return false;
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

bool WriteWholeFile(const std::string& requested, std::string_view content, std::string& reason) {
    // Through a symbolic link to the file it names, so the link stays a link; never over a
    // FIFO or a device.
    std::string path;
    if (!SaveTarget(requested, path, reason)) return false;
    std::string temp = path + ".tmp-XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    Fd fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        reason = SystemReason(errno);
        return false;
    }
    temp.assign(name.data());

    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                            ? static_cast<mode_t>(old.st_mode & 07777)
                            : NewFileMode();
    bool ok =
        ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), content) && ::fsync(fd.get()) == 0;
    int error = errno;
    if (ok && ::close(fd.release()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::close(fd.release());
        ::unlink(temp.c_str());
        reason = SystemReason(error);
    }
    return ok;
}

bool FileExists(const std::string& path) {
    // A directory is no file, as the file dialogs see it.
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::vector<std::string_view> SplitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    lines.reserve(1024);
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
        if (end == std::string_view::npos) end = content.size();
        std::size_t stop = end;
        if (end != content.size() && stop > start && content[stop - 1] == '\r') --stop;
        lines.push_back(content.substr(start, stop - start));
        start = next;
    }
    return lines;
}

}  // namespace mivo
