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

std::string FillIn(std::string_view text, const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9'
                ? static_cast<std::size_t>(text[i + 1] - '1')
                : values.size();
        if (n < values.size()) {
            out += values[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Filled(const char* english, std::initializer_list<std::string> values) {
    FilledText how{english, values};
    std::string text = FillIn(how.english, how.values);
    Made& made = Lately();
    const std::lock_guard lock(made.mutex);
    made.texts.emplace_back(text, std::move(how));
    if (made.texts.size() > kKept) made.texts.pop_front();
    return text;
}

std::string Labelled(const std::string& what, const std::string& text) {
    return Filled(UI_TEXT("Message", "%1: %2"), {what, text});
}

std::optional<FilledText> HowFilled(const std::string& text) {
    Made& made = Lately();
    const std::lock_guard lock(made.mutex);
    for (auto it = made.texts.rbegin(); it != made.texts.rend(); ++it)
        if (it->first == text) return it->second;
    return std::nullopt;
}

namespace {

// A text that fills itself (Filled("%1", {x}) is x) stops here.
constexpr int kDeepest = 4;

std::string ShownAs(const std::string& said, const TextIn& decode, const TextIn& translate,
                    int depth) {
    const std::string text = decode(said);
    if (text.empty()) return text;
    if (std::string t = translate(text); !t.empty()) return t;
    const std::optional<FilledText> how = depth < kDeepest ? HowFilled(said) : std::nullopt;
    if (!how) return text;
    const std::string english = decode(how->english);
    std::string shown = translate(english);
    if (shown.empty()) shown = english;
    std::vector<std::string> values;
    for (const std::string& v : how->values)
        values.push_back(ShownAs(v, decode, translate, depth + 1));
    return FillIn(shown, values);
}

}  // namespace

std::string ShownAs(const std::string& said, const TextIn& decode, const TextIn& translate) {
    return ShownAs(said, decode, translate, 0);
}

}  // namespace mivo
