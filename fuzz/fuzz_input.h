#pragma once
// What the fuzz targets share: the input as text, as a command line, and as a file for the
// readers that open a file by name.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace mivo::fuzz {

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A command line: the input split at NUL bytes, as no argument can hold one.
inline std::vector<std::string> Arguments(std::string_view bytes) {
    std::vector<std::string> args;
    for (std::size_t start = 0; start <= bytes.size();) {
        const std::size_t nul = std::min(bytes.find('\0', start), bytes.size());
        args.emplace_back(bytes.substr(start, nul - start));
        start = nul + 1;
    }
    return args;
}

// `bytes` written to this process's scratch file (the same one for every input; in memory where
// /dev/shm is there, since a disk makes the runs slow); its name.
inline const std::string& AsFile(std::string_view bytes) {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string dir = tmp && *tmp ? tmp : "/tmp";
        if (access("/dev/shm", W_OK) == 0) dir = "/dev/shm";
        std::string name = dir + "/mivo-fuzz-XXXXXX";
        const int fd = mkstemp(name.data());
        if (fd < 0) std::abort();
        close(fd);
        static std::string removed = name;
        std::atexit([] { std::remove(removed.c_str()); });
        return name;
    }();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
        std::abort();
    return path;
}

}  // namespace mivo::fuzz
