#pragma once
// An archive's member renamed in its bytes, for names libzip will not write (two members of one
// name, control bytes): `to` is as long as `from`, which names one member in its local and
// central headers.
#include <string>
#include <string_view>

namespace mivo::test {

inline void RenameMember(std::string& bytes, std::string_view from, std::string_view to) {
    for (std::size_t at; (at = bytes.find(from)) != std::string::npos;)
        bytes.replace(at, from.size(), to);
}

}  // namespace mivo::test
