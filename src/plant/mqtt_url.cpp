#include "plant/mqtt_url.h"

#include <algorithm>
#include <cctype>

#include "common/readable_text.h"
#include "common/said_text.h"
#include "common/utf8_text.h"

namespace mivo {

namespace {

constexpr std::string_view kScheme = "mqtt://";

bool HostCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
}

bool Ipv6Character(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.';
}

// The refusal of a topic prefix, a whole sentence with the address as %1; none when it is fine.
const char* PrefixProblem(std::string_view prefix) {
    if (prefix.size() > 200)
        return UI_TEXT("Message",
                       "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix "
                       "holds more than 200 bytes.");
    for (std::size_t start = 0;;) {
        const std::size_t slash = std::min(prefix.find('/', start), prefix.size());
        if (slash == start)
            return UI_TEXT("Message",
                           "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix "
                           "holds an empty topic level.");
        if (slash == prefix.size()) break;
        start = slash + 1;
    }
    for (const char c : prefix) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '+' || c == '#')
            return UI_TEXT("Message",
                           "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix "
                           "holds '+' or '#', which only subscriptions may hold.");
        if (byte < 0x20 || byte == 0x7F)
            return UI_TEXT("Message",
                           "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix "
                           "holds a control character.");
        if (byte >= 0x80 && !IsUtf8BeyondAscii(prefix))
            return UI_TEXT("Message",
                           "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the topic prefix "
                           "holds bytes that are no UTF-8.");
    }
    return nullptr;
}

// `why`: the whole sentence, the address given as %1 (one sentence each, translated whole).
MqttUrlRead Refused(std::string_view text, const char* why) {
    return {{}, Filled(why, {ReadableText(text)})};
}

}  // namespace

MqttUrlRead ParseMqttUrl(std::string_view text) {
    const bool schemed =
        text.size() >= kScheme.size() &&
        std::equal(kScheme.begin(), kScheme.end(), text.begin(),
                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
    if (!schemed) {
        if (text.find("://") != std::string_view::npos)
            return Refused(text, UI_TEXT("Message",
                                         "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): "
                                         "only mqtt:// is taken (no TLS, no web sockets)."));
        return Refused(text, UI_TEXT("Message",
                                     "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): it does "
                                     "not begin with mqtt://."));
    }
    std::string_view rest = text.substr(kScheme.size());
    const std::size_t slash = std::min(rest.find('/'), rest.size());
    std::string_view authority = rest.substr(0, slash);
    std::string_view prefix = rest.substr(std::min(slash + 1, rest.size()));
    if (authority.find('@') != std::string_view::npos)
        return Refused(text, UI_TEXT("Message",
                                     "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): a user "
                                     "name or password is not taken."));

    MqttUrl url;
    std::string_view port;
    if (!authority.empty() && authority.front() == '[') {
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos)
            return Refused(text, UI_TEXT("Message",
                                         "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the "
                                         "IPv6 address has no ']'."));
        url.host = authority.substr(1, close - 1);
        if (url.host.empty() || !std::all_of(url.host.begin(), url.host.end(), Ipv6Character))
            return Refused(text, UI_TEXT("Message",
                                         "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the "
                                         "IPv6 address in brackets is not one."));
        const std::string_view after = authority.substr(close + 1);
        if (!after.empty() && after.front() != ':')
            return Refused(text,
                           UI_TEXT("Message",
                                   "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the IPv6 "
                                   "address in brackets is followed by more than a port."));
        if (!after.empty()) port = after.substr(1);
        if (after == ":")
            return Refused(text, UI_TEXT("Message",
                                         "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the "
                                         "port after ':' is missing."));
    } else {
        const std::size_t colon = authority.find(':');
        url.host = authority.substr(0, colon);
        if (colon != std::string_view::npos) {
            port = authority.substr(colon + 1);
            if (port.empty())
                return Refused(text, UI_TEXT("Message",
                                             "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): "
                                             "the port after ':' is missing."));
        }
        if (url.host.empty())
            return Refused(
                text,
                UI_TEXT(
                    "Message",
                    "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the host is missing."));
        if (!std::all_of(url.host.begin(), url.host.end(), HostCharacter))
            return Refused(text, UI_TEXT("Message",
                                         "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the "
                                         "host may hold only letters, digits, '.', '-' and '_'."));
    }
    if (!port.empty()) {
        if (port.size() > 5 ||
            !std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return Refused(text, UI_TEXT("Message",
                                         "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the "
                                         "port is no number from 1 to 65535."));
        url.port = std::stoi(std::string(port));
        if (url.port < 1 || url.port > 65535)
            return Refused(text, UI_TEXT("Message",
                                         "'%1' is no broker address (mqtt://HOST:PORT/PREFIX): the "
                                         "port is no number from 1 to 65535."));
    }
    if (prefix.size() > 1 && prefix.back() == '/') prefix.remove_suffix(1);
    if (!prefix.empty()) {
        if (const char* problem = PrefixProblem(prefix)) return Refused(text, problem);
        url.prefix = prefix;
    }
    return {url, ""};
}

std::string MqttUrlText(const MqttUrl& url) {
    const bool ipv6 = url.host.find(':') != std::string::npos;
    return std::string(kScheme) + (ipv6 ? "[" + url.host + "]" : url.host) + ":" +
           std::to_string(url.port) + "/" + url.prefix;
}

}  // namespace mivo
