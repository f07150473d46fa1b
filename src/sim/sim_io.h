#pragma once
// The simulated controller's sixteen outputs and sixteen inputs: "@DO n,s" switches an output,
// "@?DO n" and "@?DI n" read one. Inputs come from outside: a test sets them, mivo-sim takes
// them from its options and from lines typed on its standard input ("DI 5 1").
#include <array>
#include <optional>
#include <string>

namespace mivo {

class SimCore;

class SimIo {
  public:
    static constexpr int kCount = 16;

    explicit SimIo(SimCore& core);

    // true: on (1).
    std::array<bool, kCount> outputs{};
    std::array<bool, kCount> inputs{};

    void setInput(int n, bool on) { inputs.at(static_cast<std::size_t>(n)) = on; }

    // One input and its state as set from outside.
    struct Setting {
        int n = 0;
        bool on = false;
    };
    // "5=1" as mivo-sim's --input takes it; nullopt for anything else.
    static std::optional<Setting> ParseOption(const std::string& text);
    // "DI 5 1" as typed on mivo-sim's standard input (blanks around and between the parts
    // as they come); nullopt for anything else.
    static std::optional<Setting> ParseLine(const std::string& line);

  private:
    SimCore& core_;
};

}  // namespace mivo
