#include "sim/sim_text.h"

#include <cstdlib>

namespace mivo::sim {

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t comma = text.find(',', pos);
        out.push_back(
            text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
        if (comma == std::string::npos) return out;
        pos = comma + 1;
    }
}

std::string Join(const std::vector<std::string>& parts, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < parts.size(); ++i) {
        if (i > from) out += ',';
        out += parts[i];
    }
    return out;
}

int Index(const std::string& text, int max) {
    if (text.empty() || text.size() > 9) return -1;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n <= max ? n : -1;
}

std::optional<double> Number(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const double v = std::strtod(begin, &end);
    if (end == begin) return std::nullopt;
    while (*end == ' ') ++end;
    if (*end != '\0') return std::nullopt;
    return v;
}

}  // namespace mivo::sim
