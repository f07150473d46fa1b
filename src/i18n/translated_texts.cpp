#include "i18n/translated_texts.h"

#include <QCoreApplication>

#include "codepage/cp1252.h"
#include "common/said_text.h"

namespace mivo {

QString MessageText(const std::string& english, SaidBytes bytes) {
    const TextIn decode = [bytes](const std::string& said) {
        return bytes == SaidBytes::Utf8 ? said : Cp1252::decode(said).toStdString();
    };
    const TextIn translate = [](const std::string& text) {
        const QString t = QCoreApplication::translate("Message", text.c_str());
        return t == QString::fromStdString(text) ? std::string() : t.toStdString();
    };
    return QString::fromStdString(ShownAs(english, decode, translate));
}

QString MenuText(const char* english) {
    return english && *english ? QCoreApplication::translate("Menu", english) : QString();
}

}  // namespace mivo
