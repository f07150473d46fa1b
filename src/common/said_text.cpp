#include "common/said_text.h"

#include <deque>
#include <mutex>
#include <utility>

namespace mivo {

namespace {

// The texts Filled made lately, newest last. Messages are shown soon after they are made; a few
// hundred cover any that wait for a box to close.
constexpr std::size_t kKept = 256;

struct Made {
    std::mutex mutex;
    std::deque<std::pair<std::string, FilledText>> texts;
};

Made& Lately() {
    static Made made;
    return made;
}

}  // namespace

std::string Filled(const char* english, std::initializer_list<std::string> values) {
    FilledText how{english, values};
    std::string text;
    for (const char* c = english; *c; ++c) {
        const std::size_t n = c[0] == '%' && c[1] >= '1' && c[1] <= '9'
                                  ? static_cast<std::size_t>(c[1] - '1')
                                  : how.values.size();
        if (n < how.values.size()) {
            text += how.values[n];
            ++c;
        } else {
            text += *c;
        }
    }
    Made& made = Lately();
    const std::lock_guard lock(made.mutex);
    made.texts.emplace_back(text, std::move(how));
    if (made.texts.size() > kKept) made.texts.pop_front();
    return text;
}

std::optional<FilledText> HowFilled(const std::string& text) {
    Made& made = Lately();
    const std::lock_guard lock(made.mutex);
    for (auto it = made.texts.rbegin(); it != made.texts.rend(); ++it)
        if (it->first == text) return it->second;
    return std::nullopt;
}

}  // namespace mivo
