#include "common/convert.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace mivo {

bool TryStrToInt(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size()) return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (negative) v = -v;
    if (v > INT_MAX || v < INT_MIN) return false;
    value = static_cast<int>(v);
    return true;
}

int StrToInt(const std::string& text) {
    int v = 0;
    if (!TryStrToInt(text, v)) throw ConversionError("'" + text + "' is not a valid integer value");
    return v;
}

double StrToFloat(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const std::string rest = text.substr(i);
    bool digit = false;
    for (char c : rest) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '.' && c != '+' && c != '-' && c != 'e' && c != 'E')
            throw ConversionError("'" + text + "' is not a valid floating point value");
    }
    char* end = nullptr;
    errno = 0;
    const double v = digit ? std::strtod(rest.c_str(), &end) : 0.0;
    if (!digit || end == nullptr || *end != '\0' || errno == ERANGE)
        throw ConversionError("'" + text + "' is not a valid floating point value");
    return v;
}

}  // namespace mivo
