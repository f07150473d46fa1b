#include "common/readable_text.h"

namespace mivo {

namespace {

bool Escaped(unsigned char b) {
    const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    return b < 0x20 || b == 0x7F || undefined;
}

void Append(unsigned char b, std::string& out) {
    static const char* const kHex = "0123456789ABCDEF";
    if (!Escaped(b)) {
        out += static_cast<char>(b);
        return;
    }
    out += "\\x";
    out += kHex[b >> 4];
    out += kHex[b & 0xF];
}

}  // namespace

std::string EscapeControlBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) Append(static_cast<unsigned char>(c), out);
    return out;
}

std::string ReadableText(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (out.size() >= kReadableLength) {
            out += "... (" + std::to_string(text.size()) + " bytes)";
            break;
        }
        Append(static_cast<unsigned char>(c), out);
    }
    return out;
}

}  // namespace mivo
