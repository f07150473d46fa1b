#pragma once
// Text from a file, the serial line or the command line as a message quotes it.
#include <cstddef>
#include <string>
#include <string_view>

namespace mivo {

// Control bytes (below 0x20, and DEL) and the bytes Windows-1252 leaves undefined as \xNN, so
// that a quoted text can neither drive a terminal nor hide a part of itself.
std::string EscapeControlBytes(std::string_view text);

// EscapeControlBytes, cut at kReadableLength with "..." and the text's length: a line of noise
// or a value of a megabyte says nothing more beyond that.
inline constexpr std::size_t kReadableLength = 120;
std::string ReadableText(std::string_view text);

}  // namespace mivo
