#pragma once
// Small text helpers and the error lines the simulated controller's families share.
#include <optional>
#include <string>
#include <vector>

namespace mivo::sim {

// The error lines that more than one command family answers with.
inline constexpr const char* kParameterError = "11:Parameter error";
inline constexpr const char* kInOperation = "15:In operation";
inline constexpr const char* kSoftLimit = "52:Soft limit";
inline constexpr const char* kNoStepData = "57:No step data";

std::vector<std::string> SplitCommas(const std::string& text);
// parts[from..] joined by commas.
std::string Join(const std::vector<std::string>& parts, std::size_t from);
// A number from 0 to `max` in plain decimal, else -1.
int Index(const std::string& text, int max);
// A decimal number as a controller reads one ("10.00", "-2", " 0.5"); nullopt for other text.
std::optional<double> Number(const std::string& text);

}  // namespace mivo::sim
