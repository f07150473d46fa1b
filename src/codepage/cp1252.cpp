#include "codepage/cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace mivo {

namespace {

// Qt converts Windows-1252 through ICU, which keeps the five undefined bytes as U+0081 etc.
// Stateless: a lone surrogate at the end of a text is refused, not held back for more input.
constexpr const char* kCodec = "windows-1252";
constexpr auto kStateless = QStringConverter::Flag::Stateless;

// The whole text in one go; false when a character cannot be held.
bool EncodeAll(QStringView text, std::string& bytes) {
    QStringEncoder encoder(kCodec, kStateless);
    const QByteArray out = encoder.encode(text);
    if (encoder.hasError()) return false;
    bytes.assign(out.constData(), static_cast<std::size_t>(out.size()));
    return true;
}

// One character at a time, for a text EncodeAll refused: '?' for each character the code page
// cannot hold (each half of a surrogate pair), the first of them in `bad`.
std::string EncodeEach(const QString& text, QChar* bad) {
    std::string out;
    bool found = false;
    for (const QChar ch : text) {
        std::string one;
        if (EncodeAll(QStringView(&ch, 1), one)) {
            out += one;
            continue;
        }
        out.push_back('?');
        if (bad && !found) *bad = ch;
        found = true;
    }
    return out;
}

}  // namespace

QString Cp1252::decode(const std::string& bytes) {
    QStringDecoder decoder(kCodec, kStateless);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool Cp1252::canEncode(const QString& text, QChar* bad) {
    std::string bytes;
    return encode(text, bytes, bad);
}

bool Cp1252::encode(const QString& text, std::string& bytes, QChar* bad) {
    std::string out;
    if (!EncodeAll(text, out)) {
        EncodeEach(text, bad);
        return false;
    }
    bytes = std::move(out);
    return true;
}

std::string Cp1252::encode(const QString& text) {
    std::string out;
    return EncodeAll(text, out) ? out : EncodeEach(text, nullptr);
}

QString Cp1252::unstorableMessage(QChar bad) {
    return QString("The character U+%1 cannot be stored (Windows-1252).")
        .arg(QString::number(bad.unicode(), 16).toUpper().rightJustified(4, '0'));
}

}  // namespace mivo
