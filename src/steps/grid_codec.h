#pragma once
// Cell texts of the step screens: the table's Windows-1252 bytes shown as QString and typed
// text turned back into bytes. A character Windows-1252 cannot hold is refused, never changed.
#include <QString>
#include <string>

namespace mivo {

namespace detail {
// 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined (they map to U+0081 etc.).
inline constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace detail

inline QString CellText(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && detail::kCp1252High[b - 0x80] != 0)
            out.append(QChar(detail::kCp1252High[b - 0x80]));
        else
            out.append(QChar(static_cast<char16_t>(b)));
    }
    return out;
}

// False (with the first character that cannot be held in `bad`) when `text` has a character
// outside Windows-1252.
inline bool CellBytes(const QString& text, std::string& bytes, QChar* bad = nullptr) {
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        int b = -1;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = u;
        } else if (u >= 0x80 && u <= 0x9F) {
            if (detail::kCp1252High[u - 0x80] == 0) b = u;  // an undefined byte kept as it was
        } else {
            for (int i = 0; i < 32; ++i)
                if (detail::kCp1252High[i] == u) b = 0x80 + i;
        }
        if (b < 0) {
            if (bad) *bad = ch;
            return false;
        }
        bytes.push_back(static_cast<char>(b));
    }
    return true;
}

// The message for a character that cannot be stored, named by its code so that the message
// itself stays within Windows-1252.
inline std::string UnstorableCharacterMessage(QChar bad) {
    return "The character U+" +
           QString::number(bad.unicode(), 16).toUpper().rightJustified(4, '0').toStdString() +
           " cannot be stored in step data (Windows-1252).";
}

}  // namespace mivo
