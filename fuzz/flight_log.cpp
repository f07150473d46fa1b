// The flight recorder's files as `mivo log` reads them: the bytes as a plain file and as a
// compressed one, split into lines and kept to a range. A line given holds no newline and no
// control byte, and none is longer than the reader's bound (with its torn mark).
#include <cstdlib>

#include "fuzz_input.h"
#include "link/flight_log_files.h"
#include "link/flight_log_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = mivo::fuzz::Text(data, size);
    const std::string& path = mivo::fuzz::AsFile(bytes);
    for (const bool compressed : {false, true}) {
        mivo::FlightLogFile file;
        file.path = path;
        file.compressed = compressed;
        mivo::FlightLogLines lines("2026-12-08T00:00:00.000", "2026-12-08T23:59:59.999",
                                   [](const std::string& line) {
                                       for (const char c : line)
                                           if (static_cast<unsigned char>(c) < 0x20) std::abort();
                                       if (line.size() > 4 * (1 << 20) + 16) std::abort();
                                       return true;
                                   });
        std::string problem;
        mivo::ReadFlightLogBytes(
            file, [&lines](std::string_view piece) { return lines.feed(piece); }, problem);
        lines.endOfFile();
    }
    mivo::FlightLogBound(bytes.substr(0, 32), false);
    mivo::FlightLogBound(bytes.substr(0, 32), true);
    return 0;
}
