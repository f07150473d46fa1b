#pragma once
// A channel that counts the bytes each way as the line carries them: the framed command, each
// reply line with its CR LF. The transfer benchmarks compare the time with theirs.
#include <chrono>
#include <cstddef>
#include <string>

#include "link/channel.h"
#include "link/framing.h"

namespace mivo::bench {

// Seconds one byte takes at 19200 baud with 11 bits a byte (start, 8 data, parity, stop).
inline constexpr double kByteSeconds = 11.0 / 19200.0;

class CountingChannel : public Channel {
  public:
    explicit CountingChannel(Channel& inner) : inner_(inner) {}
    std::string request(const std::string& command) override {
        out += FrameRequest(command, false).bytes.size();
        return counted(inner_.request(command));
    }
    std::string next() override { return counted(inner_.next()); }
    // The line's drain waits for quiet: its time is counted apart.
    void drain() override {
        const auto t0 = std::chrono::steady_clock::now();
        inner_.drain();
        drainSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    std::size_t out = 0;
    std::size_t in = 0;
    double drainSeconds = 0;

  private:
    std::string counted(std::string line) {
        if (!line.empty()) in += line.size() + 2;
        return line;
    }
    Channel& inner_;
};

}  // namespace mivo::bench
