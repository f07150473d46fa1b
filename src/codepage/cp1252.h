#pragma once
// Windows-1252, the code page of the files and the serial line: bytes as the data hold them
// <-> QString as the screens show them. The five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 etc. and back, so every byte survives a round trip.
#include <QString>
#include <string>

namespace mivo {

class Cp1252 {
  public:
    static QString decode(const std::string& bytes);
    // False, with the first character it cannot hold in `bad`, when `text` has a character
    // outside Windows-1252.
    static bool canEncode(const QString& text, QChar* bad = nullptr);
    // False (and `bytes` left as it was) when a character cannot be held.
    static bool encode(const QString& text, std::string& bytes, QChar* bad = nullptr);
    // For texts already checked with canEncode (or the program's own texts); a character that
    // cannot be held becomes '?'.
    static std::string encode(const QString& text);
    // "The character U+0100 cannot be stored (Windows-1252)."
    static QString unstorableMessage(QChar bad);
};

}  // namespace mivo
