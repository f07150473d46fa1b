#pragma once
// Where the plant's broker is and under which topic prefix the runs go: "mqtt://HOST:PORT/PREFIX",
// as the settings and `mivo` take it. Plain C++.
#include <string>
#include <string_view>

namespace mivo {

struct MqttUrl {
    std::string host;
    int port = 1883;
    std::string prefix = "mivo";  // the topics' first levels: PREFIX/<robot>/state ...
    bool operator==(const MqttUrl&) const = default;
};

struct MqttUrlRead {
    MqttUrl url;
    std::string problem;  // "" when the text was a broker's address
};

// "mqtt://HOST[:PORT][/PREFIX]": HOST a name or IPv4 address of letters, digits, '.', '-' and
// '_', or an IPv6 address in brackets; PORT 1 to 65535 (1883 when left out); PREFIX one or more
// topic levels ("plant/line3"; "mivo" when left out; a slash at the end ignored), none empty,
// in UTF-8 without '+', '#' or control
// characters, 200 bytes at most. The scheme in any case. Anything else is a problem that
// says what is wrong, quoting the text readably.
MqttUrlRead ParseMqttUrl(std::string_view text);

// The address again, as ParseMqttUrl takes it ("mqtt://broker:1883/mivo").
std::string MqttUrlText(const MqttUrl& url);

}  // namespace mivo
