#include "common/convert.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "common/readable_text.h"

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
    if (!TryStrToInt(text, v))
        throw ConversionError("'" + ReadableText(text) + "' is not a valid integer value");
    return v;
}

bool TryStrToFloat(const std::string& text, double& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool digit = false;
    for (std::size_t k = i; k < text.size(); ++k) {
        const char c = text[k];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '.' && c != '+' && c != '-' && c != 'e' && c != 'E')
            return false;
    }
    if (!digit) return false;
    const char* begin = text.c_str() + i;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(begin, &end);
    if (end == nullptr || *end != '\0' || errno == ERANGE) return false;
    value = v;
    return true;
}

double StrToFloat(const std::string& text) {
    double v = 0;
    if (!TryStrToFloat(text, v))
        throw ConversionError("'" + ReadableText(text) + "' is not a valid floating point value");
    return v;
}

std::string FloatToStr(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";  // -0 as well
    // 15 significant digits, "d.dddddddddddddde[+-]x".
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<std::size_t>(r.ptr - buf));
    const std::size_t e = sci.find('e');
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);
    const bool negative = sci[0] == '-';
    std::string digits;
    for (char c : sci.substr(0, e))
        if (c >= '0' && c <= '9') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        return out + "E" + std::to_string(exponent);
    }
    if (exponent < 0)
        return out + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

}  // namespace mivo
