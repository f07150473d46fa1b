#include "files/field_text.h"

namespace mivo {

std::string RefusedSeparator(std::string_view text, std::string_view name,
                             std::string_view allowed) {
    for (char c : text) {
        if (allowed.find(c) != std::string_view::npos) continue;
        const char* what = c == '\n' || c == '\r' ? "A line break"
                           : c == '\0'            ? "A NUL character"
                           : c == ','             ? "A comma"
                                                  : nullptr;
        if (what) return std::string(what) + " cannot be inputted in " + std::string(name);
    }
    return {};
}

}  // namespace mivo
