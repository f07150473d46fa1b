#include "shell/translated_texts.h"

#include <QCoreApplication>

#include "codepage/cp1252.h"

namespace mivo {

QString MessageText(const std::string& english) {
    const QString text = Cp1252::decode(english);
    if (text.isEmpty()) return text;
    return QCoreApplication::translate("Message", text.toUtf8().constData());
}

QString MenuText(const char* english) {
    return english && *english ? QCoreApplication::translate("Menu", english) : QString();
}

}  // namespace mivo
