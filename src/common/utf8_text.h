#pragma once
// Text another editor wrote in UTF-8, taken into Windows-1252, the code page the data hold; and
// the data's text told outside as characters.
#include <cstddef>
#include <string>
#include <string_view>

namespace mivo {

// True when `text` is well-formed UTF-8 with at least one character beyond ASCII: what a UTF-8
// editor writes. Windows-1252 text beyond ASCII seldom forms UTF-8 by chance.
bool IsUtf8BeyondAscii(std::string_view text);

// Well-formed UTF-8 `text` in Windows-1252 (U+0081, U+008D, U+008F, U+0090 and U+009D as the
// bytes the code page leaves undefined, as the screens decode them). False at the first
// character the code page cannot hold: `at` is its byte offset in `text`, `code` its code point;
// `out` is then unspecified.
bool Utf8ToCp1252(std::string_view text, std::string& out, std::size_t& at, char32_t& code);

// The characters of `text`: well-formed UTF-8 read as UTF-8, any other text as Windows-1252,
// the controller's code page (the undefined five as U+0081 ... as above). For texts told outside
// the program (JSON) that may come from either.
std::u32string TextCharacters(std::string_view text);

// `code` appended to `out` in UTF-8.
void AppendUtf8(std::string& out, char32_t code);

// "U+03A9".
std::string CodePointName(char32_t code);

}  // namespace mivo
