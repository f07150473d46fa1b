#pragma once
// Texts the user reads, written in English where they are said, in layers without Qt. UI_TEXT
// marks one for the translations (lupdate reads it as QT_TRANSLATE_NOOP: a context such as
// "Message", then the text); it stands for the text itself. Filled puts values into one
// ("PGM%1 will be started.  OK?") and remembers how the text was made, so that the screen that
// shows it can show the translation filled with the same values.
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#define UI_TEXT(context, text) text

namespace mivo {

// `english` with %1, %2 ... replaced by `values` in turn.
std::string Filled(const char* english, std::initializer_list<std::string> values);
// "WHAT: TEXT" (a file and what is wrong with it, a field's place and its refusal), filled so that
// TEXT shows translated within it.
std::string Labelled(const std::string& what, const std::string& text);
// `text` with %1 ... %9 replaced by `values`, as Filled does (a value is not filled again; a
// number with no value stays), and nothing remembered.
std::string FillIn(std::string_view text, const std::vector<std::string>& values);

struct FilledText {
    std::string english;  // with its %1 ...
    std::vector<std::string> values;
};
// How `text` was made, when Filled made it lately (the last few hundred are kept).
std::optional<FilledText> HowFilled(const std::string& text);

// `said` as another language shows it. `decode` gives a said text's bytes as shown; `translate` a
// decoded English text's translation, or "" when it has none. A text Filled made shows as its
// template's translation filled with its values, each shown the same way (a caption, the refusal
// within a file's detail); any other text the translations do not know (a file's name, a
// controller's line) as it came.
using TextIn = std::function<std::string(const std::string&)>;
std::string ShownAs(const std::string& said, const TextIn& decode, const TextIn& translate);

}  // namespace mivo
