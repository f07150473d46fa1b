#include "codepage/cp1252.h"

#include <QStringDecoder>
#include <array>
#include <utility>
#include <vector>

namespace mivo {

namespace {

// The code page as two tables, made once from Qt's converter (ICU, which keeps the five
// undefined bytes as U+0081 etc.): the screens decode and encode every cell, and a converter
// looked up by name for each would cost more than the text itself.
struct CodeTables {
    std::array<char16_t, 256> character{};              // byte -> character
    std::array<int, 256> latinByte{};                   // U+0000..U+00FF -> byte, -1 for none
    std::vector<std::pair<char16_t, char>> otherBytes;  // the characters above U+00FF
};

const CodeTables& Tables() {
    static const CodeTables tables = [] {
        CodeTables t;
        t.latinByte.fill(-1);
        QStringDecoder decoder("windows-1252", QStringConverter::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            const QString one = decoder.decode(QByteArrayView(&byte, 1));
            const char16_t c = one.size() == 1 ? one[0].unicode() : char16_t(0xFFFD);
            t.character[static_cast<std::size_t>(b)] = c;
            if (c < 0x100)
                t.latinByte[c] = b;
            else if (c != 0xFFFD)
                t.otherBytes.emplace_back(c, byte);
        }
        return t;
    }();
    return tables;
}

// The byte of `c`; -1 when the code page has none (a surrogate half among them).
int ByteOf(char16_t c) {
    const CodeTables& t = Tables();
    if (c < 0x100) return t.latinByte[c];
    for (const auto& [character, byte] : t.otherBytes)
        if (character == c) return static_cast<unsigned char>(byte);
    return -1;
}

// `text` as bytes, '?' for each character the code page cannot hold (each half of a surrogate
// pair), the first of them in `bad`; false when there was one.
bool EncodeInto(const QString& text, std::string& out, QChar* bad) {
    out.clear();
    out.reserve(static_cast<std::size_t>(text.size()));
    bool all = true;
    for (const QChar ch : text) {
        const int byte = ByteOf(ch.unicode());
        if (byte >= 0) {
            out.push_back(static_cast<char>(byte));
            continue;
        }
        out.push_back('?');
        if (all && bad) *bad = ch;
        all = false;
    }
    return all;
}

}  // namespace

QString Cp1252::decode(const std::string& bytes) {
    if (bytes.empty()) return {};
    const CodeTables& t = Tables();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) *out++ = QChar(t.character[static_cast<unsigned char>(byte)]);
    return text;
}

bool Cp1252::canEncode(const QString& text, QChar* bad) {
    std::string bytes;
    return encode(text, bytes, bad);
}

bool Cp1252::encode(const QString& text, std::string& bytes, QChar* bad) {
    std::string out;
    if (!EncodeInto(text, out, bad)) return false;
    bytes = std::move(out);
    return true;
}

std::string Cp1252::encode(const QString& text) {
    std::string out;
    EncodeInto(text, out, nullptr);
    return out;
}

QString Cp1252::unstorableMessage(QChar bad) {
    return QString("The character U+%1 cannot be stored (Windows-1252).")
        .arg(QString::number(bad.unicode(), 16).toUpper().rightJustified(4, '0'));
}

}  // namespace mivo
