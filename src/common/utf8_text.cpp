#include "common/utf8_text.h"

namespace mivo {

namespace {

// Windows-1252 bytes 0x80 to 0x9F by code point; the undefined five stand for themselves.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool Continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The character at `pos`: its length in bytes, 0 when the bytes there are no well-formed UTF-8
// (an overlong form, a surrogate, beyond U+10FFFF, cut short).
std::size_t Decode(std::string_view text, std::size_t pos, char32_t& code) {
    const auto at = [&](std::size_t i) {
        return pos + i < text.size() ? static_cast<unsigned char>(text[pos + i]) : 0;
    };
    const unsigned char b = at(0);
    if (b < 0x80) {
        code = b;
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
        code = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        code = b & 0x0F;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        code = b & 0x07;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at(1) < low || at(1) > high) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!Continuation(at(i))) return 0;
        code = (code << 6) | (at(i) & 0x3F);
    }
    return length;
}

// The Windows-1252 byte of `code`, or -1.
int Cp1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == code) return 0x80 + i;
    return -1;
}

}  // namespace

bool IsUtf8BeyondAscii(std::string_view text) {
    bool beyond = false;
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t code = 0;
        const std::size_t length = Decode(text, pos, code);
        if (length == 0) return false;
        beyond = beyond || length > 1;
        pos += length;
    }
    return beyond;
}

bool Utf8ToCp1252(std::string_view text, std::string& out, std::size_t& at, char32_t& code) {
    out.clear();
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Decode(text, pos, code);
        const int byte = length == 0 ? -1 : Cp1252Byte(code);
        if (byte < 0) {
            if (length == 0) code = static_cast<unsigned char>(text[pos]);
            at = pos;
            return false;
        }
        out += static_cast<char>(byte);
        pos += length;
    }
    return true;
}

std::u32string TextCharacters(std::string_view text) {
    std::u32string characters;
    characters.reserve(text.size());
    if (IsUtf8BeyondAscii(text)) {
        for (std::size_t pos = 0; pos < text.size();) {
            char32_t code = 0;
            pos += Decode(text, pos, code);
            characters += code;
        }
        return characters;
    }
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        characters += byte >= 0x80 && byte < 0xA0 ? char32_t{kHigh[byte - 0x80]} : char32_t{byte};
    }
    return characters;
}

void AppendUtf8(std::string& out, char32_t code) {
    const auto byte = [&out](char32_t b) { out += static_cast<char>(b); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | code >> 6);
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | code >> 12);
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | code >> 18);
        byte(0x80 | (code >> 12 & 0x3F));
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

std::string CodePointName(char32_t code) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string digits;
    for (; code != 0 || digits.size() < 4; code >>= 4)
        digits.insert(digits.begin(), kHex[code & 0xF]);
    return "U+" + digits;
}

}  // namespace mivo
