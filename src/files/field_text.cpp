#include "files/field_text.h"

#include "common/said_text.h"

namespace mivo {

std::string RefusedSeparator(std::string_view text, std::string_view name,
                             std::string_view allowed) {
    for (char c : text) {
        if (allowed.find(c) != std::string_view::npos) continue;
        // One whole sentence for each character, so that each is translated whole.
        const char* what =
            c == '\n' || c == '\r' ? UI_TEXT("Message", "A line break cannot be inputted in %1")
            : c == '\0'            ? UI_TEXT("Message", "A NUL character cannot be inputted in %1")
            : c == ','             ? UI_TEXT("Message", "A comma cannot be inputted in %1")
                                   : nullptr;
        if (what) return Filled(what, {std::string(name)});
    }
    return {};
}

}  // namespace mivo
