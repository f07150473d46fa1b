#include "i18n/translated_texts.h"

#include <QCoreApplication>

#include "codepage/cp1252.h"
#include "common/said_text.h"

namespace mivo {

QString MessageText(const std::string& english, SaidBytes bytes) {
    const auto decode = [bytes](const std::string& said) {
        return bytes == SaidBytes::Utf8 ? QString::fromStdString(said) : Cp1252::decode(said);
    };
    const QString text = decode(english);
    if (text.isEmpty()) return text;
    const QByteArray source = text.toUtf8();
    const QString translated = QCoreApplication::translate("Message", source.constData());
    if (translated != text) return translated;
    // A text filled with values: its template translated, then the same values in it.
    const std::optional<FilledText> how = HowFilled(english);
    if (!how) return text;
    const QString shown =
        QCoreApplication::translate("Message", decode(how->english).toUtf8().constData());
    QString filled;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const qsizetype n =
            i + 1 < shown.size() && shown[i] == '%' ? shown[i + 1].digitValue() : -1;
        if (n >= 1 && static_cast<std::size_t>(n) <= how->values.size()) {
            filled += decode(how->values[static_cast<std::size_t>(n - 1)]);
            ++i;
        } else {
            filled += shown[i];
        }
    }
    return filled;
}

QString MenuText(const char* english) {
    return english && *english ? QCoreApplication::translate("Menu", english) : QString();
}

}  // namespace mivo
