// What counts as a UTF-8 file, and its text in Windows-1252.
#include "common/utf8_text.h"

#include <gtest/gtest.h>

namespace mivo {
namespace {

TEST(Utf8Text, TakenOnlyWhenWellFormedAndBeyondAscii) {
    struct Case {
        const char* what;
        std::string text;
        bool utf8;
        std::string cp1252;  // when utf8: the text in Windows-1252, or "U+XXXX at N" refused
    };
    // clang-format off
    const Case cases[] = {
        {"ASCII only", "POI,000", false, ""},
        {"Windows-1252", "caf\xE9 \x80", false, ""},
        {"two- and three-byte forms", "\xC3\x84 \xE2\x82\xAC \xC5\xB8 \xC2\xA0", true, "\xC4 \x80 \x9F \xA0"},
        {"an undefined byte's code point", "\xC2\x8D", true, "\x8D"},
        {"overlong slash", "a\xC0\xAF", false, ""},
        {"surrogate", "\xED\xA0\x80", false, ""},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", false, ""},
        {"cut short", "ok \xE2\x82", false, ""},
        {"beyond the code page", "ab\r\n\xCE\xA9", true, "U+03A9 at 4"},
        {"four bytes", "\xF0\x9F\x98\x80", true, "U+1F600 at 0"},
        {"a control code point", "\xC2\x85", true, "U+0085 at 0"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsUtf8BeyondAscii(c.text), c.utf8);
        if (!c.utf8) continue;
        std::string out;
        std::size_t at = 0;
        char32_t code = 0;
        const bool held = Utf8ToCp1252(c.text, out, at, code);
        EXPECT_EQ(held ? out : CodePointName(code) + " at " + std::to_string(at), c.cp1252);
    }
}

TEST(Utf8Text, TextToldOutsideAsCharacters) {
    struct Case {
        const char* what;
        std::string text;
        std::string utf8;  // its characters written in UTF-8
    };
    // clang-format off
    const Case cases[] = {
        {"ASCII", "V1.20\t", "V1.20\t"},
        {"Windows-1252", "\xB5m \x80 \x9F caf\xE9", "\xC2\xB5m \xE2\x82\xAC \xC5\xB8 caf\xC3\xA9"},
        {"an undefined byte as its code point", "\x81\x9D", "\xC2\x81\xC2\x9D"},
        {"UTF-8 kept, four bytes too", "caf\xC3\xA9 \xF0\x9F\x98\x80", "caf\xC3\xA9 \xF0\x9F\x98\x80"},
        {"one stray byte makes it all Windows-1252", "\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string utf8;
        for (const char32_t code : TextCharacters(c.text)) AppendUtf8(utf8, code);
        EXPECT_EQ(utf8, c.utf8);
    }
}

}  // namespace
}  // namespace mivo
