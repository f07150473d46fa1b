#pragma once
// The languages the programs speak (plain C++): their own English and the translations.
#include <array>
#include <string_view>

namespace mivo {

struct Language {
    const char* code;  // "de"
    const char* name;  // in the language itself: "Deutsch"
};
inline constexpr std::array<Language, 3> kLanguages = {
    {{"en", "English"}, {"de", "Deutsch"}, {"ja", "日本語"}}};

// Whether `code` is one of kLanguages.
constexpr bool KnownLanguage(std::string_view code) {
    for (const Language& l : kLanguages)
        if (code == l.code) return true;
    return false;
}

}  // namespace mivo
