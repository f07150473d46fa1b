#include "link/flight_log_files.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/said_text.h"

namespace mivo {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr std::string_view kPlain = ".log";
constexpr std::string_view kCompressed = ".log.gz";
constexpr std::string_view kLeftover = ".log.gz.tmp";

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool EndsWith(std::string_view s, std::string_view end) {
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

std::string Reason(int error) { return std::strerror(error); }

}  // namespace

std::string FlightLogName(const std::string& day, int part, bool compressed) {
    return "mivo-" + day + (part > 0 ? "." + std::to_string(part) : "") +
           std::string(compressed ? kCompressed : kPlain);
}

bool IsFlightLogDay(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

bool ParseFlightLogName(const std::string& name, FlightLogFile& f) {
    std::string_view s = name;
    f.compressed = EndsWith(s, kCompressed);
    const std::string_view end = f.compressed ? kCompressed : kPlain;
    if (!EndsWith(s, end) || s.size() < 15 + end.size() || s.substr(0, 5) != "mivo-") return false;
    if (!IsFlightLogDay(s.substr(5, 10))) return false;
    f.day = std::string(s.substr(5, 10));
    const std::string_view rest = s.substr(15, s.size() - 15 - end.size());
    f.part = 0;
    if (rest.empty()) return true;
    if (rest.size() < 2 || rest.size() > 7 || rest[0] != '.' || rest[1] == '0') return false;
    for (char c : rest.substr(1)) {
        if (c < '0' || c > '9') return false;
        f.part = f.part * 10 + (c - '0');
    }
    return true;
}

bool IsFlightLogLeftover(const std::string& name) {
    FlightLogFile f;
    return EndsWith(name, kLeftover) &&
           ParseFlightLogName(name.substr(0, name.size() - 4), f);  // without ".tmp"
}

std::vector<FlightLogFile> FlightLogFiles(const fs::path& folder, std::error_code& error) {
    std::vector<FlightLogFile> files;
    error.clear();
    fs::directory_iterator it(folder, error), end;
    if (error == std::errc::no_such_file_or_directory) error.clear();
    for (; !error && it != end; it.increment(error)) {
        FlightLogFile f;
        if (!ParseFlightLogName(it->path().filename().string(), f)) continue;
        std::error_code sizeError;
        if (!it->is_regular_file(sizeError)) continue;
        f.size = it->file_size(sizeError);
        if (sizeError) f.size = 0;
        f.path = it->path();
        files.push_back(std::move(f));
    }
    std::sort(files.begin(), files.end(), [](const FlightLogFile& a, const FlightLogFile& b) {
        if (a.day != b.day) return a.day < b.day;
        if (a.part != b.part) return a.part < b.part;
        return a.compressed < b.compressed;
    });
    return files;
}

bool CompressFlightLog(const fs::path& plain, std::uintmax_t& compressedSize,
                       std::string& problem) {
    const fs::path target = fs::path(plain.string() + ".gz");
    const fs::path temporary = fs::path(target.string() + ".tmp");
    const File in(std::fopen(plain.c_str(), "rb"));
    if (!in) {
        problem = Labelled(plain.string(), Reason(errno));
        return false;
    }
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        problem = Labelled(temporary.string(), Reason(errno));
        return false;
    }
    z_stream z{};
    // 16 over the window bits: a gzip header and trailer.
    if (deflateInit2(&z, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        ::close(fd);
        std::remove(temporary.c_str());
        problem = UI_TEXT("Message", "zlib cannot start");
        return false;
    }
    std::array<unsigned char, kChunk> input{}, output{};
    int error = 0;
    bool done = false;
    while (!done && error == 0) {
        const std::size_t n = std::fread(input.data(), 1, input.size(), in.get());
        if (std::ferror(in.get())) {
            error = EIO;
            break;
        }
        const int flush = std::feof(in.get()) ? Z_FINISH : Z_NO_FLUSH;
        z.next_in = input.data();
        z.avail_in = static_cast<uInt>(n);
        do {
            z.next_out = output.data();
            z.avail_out = static_cast<uInt>(output.size());
            const int r = deflate(&z, flush);
            done = r == Z_STREAM_END;
            const std::size_t have = output.size() - z.avail_out;
            for (std::size_t at = 0; at < have && error == 0;) {
                const ssize_t w = ::write(fd, output.data() + at, have - at);
                if (w < 0 && errno != EINTR) error = errno;
                if (w > 0) at += static_cast<std::size_t>(w);
            }
        } while (z.avail_out == 0 && error == 0);
    }
    deflateEnd(&z);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    std::error_code ec;
    if (error == 0) {
        fs::last_write_time(temporary, fs::last_write_time(plain, ec), ec);
        fs::rename(temporary, target, ec);
        if (ec) error = ec.value();
    }
    if (error != 0) {
        std::remove(temporary.c_str());
        problem = Labelled(target.string(), Reason(error));
        return false;
    }
    compressedSize = fs::file_size(target, ec);
    fs::remove(plain, ec);
    return true;
}

bool ReadFlightLogBytes(const FlightLogFile& file,
                        const std::function<bool(std::string_view)>& piece, std::string& problem) {
    const File in(std::fopen(file.path.c_str(), "rb"));
    if (!in) {
        problem = Reason(errno);
        return false;
    }
    std::array<unsigned char, kChunk> input{}, output{};
    z_stream z{};
    // 32 over the window bits: a gzip or zlib header, told apart.
    if (file.compressed && inflateInit2(&z, 15 + 32) != Z_OK) {
        problem = UI_TEXT("Message", "zlib cannot start");
        return false;
    }
    struct End {
        z_stream* z;
        ~End() {
            if (z) inflateEnd(z);
        }
    } end{file.compressed ? &z : nullptr};
    bool inStream = false;  // within a gzip member: its end is still to come
    for (;;) {
        const std::size_t n = std::fread(input.data(), 1, input.size(), in.get());
        if (std::ferror(in.get())) {
            problem = Reason(EIO);
            return false;
        }
        if (n == 0) break;
        if (!file.compressed) {
            if (!piece(std::string_view(reinterpret_cast<const char*>(input.data()), n)))
                return true;
            continue;
        }
        z.next_in = input.data();
        z.avail_in = static_cast<uInt>(n);
        while (z.avail_in > 0) {
            // Members one after the other (as `cat a.gz b.gz` makes) are read as one text.
            if (!inStream) inflateReset(&z);
            inStream = true;
            z.next_out = output.data();
            z.avail_out = static_cast<uInt>(output.size());
            const uInt before = z.avail_in;
            const int r = inflate(&z, Z_NO_FLUSH);
            const std::size_t have = output.size() - z.avail_out;
            if (have > 0 &&
                !piece(std::string_view(reinterpret_cast<const char*>(output.data()), have)))
                return true;
            if (r == Z_STREAM_END) {
                inStream = false;
            } else if ((r != Z_OK && r != Z_BUF_ERROR) || (have == 0 && z.avail_in == before)) {
                problem = z.msg ? Filled(UI_TEXT("Message", "damaged compressed data: %1"), {z.msg})
                                : UI_TEXT("Message", "damaged compressed data");
                return false;
            }
        }
    }
    // What the last member still held for its output.
    while (file.compressed && inStream) {
        z.next_out = output.data();
        z.avail_out = static_cast<uInt>(output.size());
        const int r = inflate(&z, Z_NO_FLUSH);
        const std::size_t have = output.size() - z.avail_out;
        if (have > 0 &&
            !piece(std::string_view(reinterpret_cast<const char*>(output.data()), have)))
            return true;
        if (r == Z_STREAM_END) return true;
        if (have == 0) break;
    }
    if (inStream) {
        problem = UI_TEXT("Message", "the compressed data is cut short");
        return false;
    }
    return true;
}

}  // namespace mivo
