#pragma once
// Texts written in English in tables and procedures, shown in the user's language: a text the
// translations know shows translated, any other as it came. Each is marked where it is written
// with QT_TRANSLATE_NOOP, or UI_TEXT where there is no Qt (common/said_text.h), and its context
// ("Message", "Menu"), so that lupdate finds it.
#include <QString>
#include <string>

namespace mivo {

// A message or caption the procedures say (Windows-1252 bytes), context "Message"; one made by
// Filled shows its translation filled with the same values. The controller's own lines never
// come this way.
// The bytes of a said text: Windows-1252 (the procedures, the line), or UTF-8 (the recorders'
// and outlets' messages, which name files).
enum class SaidBytes { Cp1252, Utf8 };
QString MessageText(const std::string& english, SaidBytes bytes = SaidBytes::Cp1252);

// A menu's title or item, or a tool-bar button's text or hint, context "Menu".
QString MenuText(const char* english);

}  // namespace mivo
