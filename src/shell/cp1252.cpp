#include "shell/cp1252.h"

namespace mivo {

namespace {

// 0x80..0x9F; 0 marks an undefined byte.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The byte for `u`, or -1.
int ByteFor(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    if (u <= 0x9F) return kHigh[u - 0x80] == 0 ? u : -1;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u) return 0x80 + i;
    return -1;
}

}  // namespace

QString Cp1252::decode(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const bool mapped = b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0;
        out.append(QChar(mapped ? kHigh[b - 0x80] : static_cast<char16_t>(b)));
    }
    return out;
}

bool Cp1252::canEncode(const QString& text, QChar* bad) {
    for (const QChar ch : text) {
        if (ByteFor(ch.unicode()) < 0) {
            if (bad) *bad = ch;
            return false;
        }
    }
    return true;
}

bool Cp1252::encode(const QString& text, std::string& bytes, QChar* bad) {
    if (!canEncode(text, bad)) return false;
    bytes = encode(text);
    return true;
}

std::string Cp1252::encode(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const int b = ByteFor(ch.unicode());
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

QString Cp1252::unstorableMessage(QChar bad) {
    return QString("The character U+%1 cannot be stored (Windows-1252).")
        .arg(QString::number(bad.unicode(), 16).toUpper().rightJustified(4, '0'));
}

QValidator::State Cp1252Validator::validate(QString& input, int& /*pos*/) const {
    return Cp1252::canEncode(input) ? Acceptable : Invalid;
}

}  // namespace mivo
