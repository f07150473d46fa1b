#include "app/settings_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "files/file_io.h"

namespace mivo {

namespace {

constexpr int kPorts = 8;

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

// Where the bytes stop being UTF-8 text (a control byte other than a tab or a line end, or no
// UTF-8), or npos.
std::size_t FirstNonText(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f) return i;
            ++i;
            continue;
        }
        const int more = c >= 0xc2 && c <= 0xdf   ? 1
                         : c >= 0xe0 && c <= 0xef ? 2
                         : c >= 0xf0 && c <= 0xf4 ? 3
                                                  : -1;
        if (more < 0 || i + static_cast<std::size_t>(more) >= s.size()) return i;
        unsigned cp = c & (0x3fu >> more);
        for (int k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((d & 0xc0) != 0x80) return i;
            cp = cp << 6 | (d & 0x3fu);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are no UTF-8.
        const unsigned least[] = {0, 0x80, 0x800, 0x10000};
        if (cp < least[static_cast<std::size_t>(more)] || (cp >= 0xd800 && cp <= 0xdfff) ||
            cp > 0x10ffff)
            return i;
        i += static_cast<std::size_t>(more) + 1;
    }
    return std::string_view::npos;
}

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xc0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xe0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3f));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3f));
        out += static_cast<char>(0x80 | (cp & 0x3f));
    }
}

// A value as QSettings writes texts: items separated by commas, each plain (trimmed) or in
// double quotes, with C escapes (\" \\ \n \xHH \ooo ...); an item that begins with "@" is some
// other type, unless it is "@@", a text that begins with "@". False when it is none of these.
bool TextItems(std::string_view v, std::vector<std::string>& items) {
    items.assign(1, "");
    std::size_t kept = 0;  // the current item up to its last quoted or non-blank character
    bool quoted = false;
    for (std::size_t i = 0; i < v.size(); ++i) {
        std::string& item = items.back();
        const char c = v[i];
        if (c == '"') {
            quoted = !quoted;
            kept = item.size();
        } else if (c == '\\') {
            if (++i == v.size()) return false;
            const char e = v[i];
            static const char kFrom[] = "abfnrtv\"'?\\";
            static const char kTo[] = "\a\b\f\n\r\t\v\"'?\\";
            if (const char* at = std::strchr(kFrom, e); at && e != '\0') {
                item += kTo[at - kFrom];
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const int base = e == 'x' ? 16 : 8;
                std::size_t j = e == 'x' ? i + 1 : i;
                unsigned cp = 0;
                const std::size_t from = j;
                for (; j < v.size() && j - from < 8; ++j) {
                    const char d = v[j];
                    const int digit = d >= '0' && d <= '9'   ? d - '0'
                                      : d >= 'a' && d <= 'f' ? d - 'a' + 10
                                      : d >= 'A' && d <= 'F' ? d - 'A' + 10
                                                             : 99;
                    if (digit >= base) break;
                    cp = cp * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
                }
                if (j == from || cp == 0 || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff))
                    return false;
                AppendUtf8(item, cp);
                i = j - 1;
            } else {
                return false;
            }
            kept = item.size();
        } else if (quoted) {
            item += c;
            kept = item.size();
        } else if (c == ',') {
            item.resize(kept);
            items.emplace_back();
            kept = 0;
            while (i + 1 < v.size() && IsSpace(v[i + 1])) ++i;
        } else if (c == ';') {
            return false;  // the start of a comment to QSettings: never part of a value written
        } else {
            item += c;
            if (!IsSpace(c)) kept = item.size();
        }
    }
    if (quoted) return false;
    items.back().resize(kept);
    for (std::string& item : items) {
        if (item.empty() || item[0] != '@') continue;
        if (item.size() < 2 || item[1] != '@') return false;
        item.erase(0, 1);
    }
    return true;
}

bool OneText(std::string_view v, std::string& text) {
    std::vector<std::string> items;
    if (!TextItems(v, items) || items.size() != 1) return false;
    text = std::move(items.front());
    return true;
}

bool Integer(std::string_view s, int& n) {
    const bool negative = !s.empty() && s.front() == '-';
    if (negative) s.remove_prefix(1);
    if (s.empty() || s.size() > 7) return false;
    n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    if (negative) n = -n;
    return true;
}

// "@Rect(x y width height)", with a width and height above 0.
bool Place(std::string_view v, WindowPlace& place) {
    constexpr std::string_view kOpen = "@Rect(";
    if (v.size() <= kOpen.size() || v.substr(0, kOpen.size()) != kOpen || v.back() != ')')
        return false;
    v = v.substr(kOpen.size(), v.size() - kOpen.size() - 1);
    int* const parts[] = {&place.x, &place.y, &place.width, &place.height};
    for (int* part : parts) {
        const std::size_t end = std::min(v.find(' '), v.size());
        if (!Integer(v.substr(0, end), *part)) return false;
        v.remove_prefix(std::min(end + 1, v.size()));
    }
    return v.empty() && place.width > 0 && place.height > 0;
}

bool IsName(std::string_view s, bool lowerOnly) {
    if (s.empty() || s.size() > 64) return false;
    for (const char c : s) {
        const bool lower = c >= 'a' && c <= 'z';
        if (!(lower ||
              (!lowerOnly && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))))
            return false;
    }
    return true;
}

// One "key=value" line of `section`; false when it is no setting of ours.
bool Setting(RememberedSettings& s, const std::string& section, std::string_view key,
             std::string_view value) {
    if (section == "com") {
        if (key == "port") {
            int port = 0;
            if (!Integer(value, port) || value.front() == '-' || port > kPorts) return false;
            s.comPort = port;
            return true;
        }
        return key == "device" && OneText(value, s.comDevice);
    }
    if (section == "windows")
        return IsName(key, false) && Place(value, s.windows[std::string(key)]);
    if (section == "plant")
        return (key == "after_run" && OneText(value, s.afterRun)) ||
               (key == "broker" && OneText(value, s.broker));
    if (section == "display") return key == "language" && OneText(value, s.language);
    if (section == "calibration") {
        int robot = 0;
        return key.starts_with("robot") && Integer(key.substr(5), robot) && robot >= 0 &&
               OneText(value, s.calibrations[robot]);
    }
    RememberedSettings::Editor& editor = s.editors[section];
    if (key == "folder") return OneText(value, editor.folder);
    return key == "recent" && TextItems(value, editor.recent) &&
           std::find(editor.recent.begin(), editor.recent.end(), "") == editor.recent.end();
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    if (!text.empty() && text.front() == '@') out += '@';
    bool hexFollows = false;  // a hex digit after \xHH would be read as part of it
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u == 0x7f || (hexFollows && hex)) {
            static const char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
            hexFollows = true;
            continue;
        } else {
            out += c;
        }
        hexFollows = false;
    }
    return out + "\"";
}

}  // namespace

bool ParseSettings(std::string_view bytes, RememberedSettings& out, std::string& reason) {
    out = {};
    RememberedSettings s;
    if (const std::size_t at = FirstNonText(bytes); at != std::string_view::npos) {
        std::size_t line = 1;
        for (std::size_t i = 0; i < at; ++i) line += bytes[i] == '\n';
        reason = "line " + std::to_string(line) + " is no text";
        return false;
    }
    std::string section;
    std::size_t number = 0;
    while (!bytes.empty()) {
        ++number;
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = Trimmed(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        bool known = false;
        if (line.front() == '[') {
            const std::string_view name = line.substr(1, line.size() - 1 - (line.back() == ']'));
            known = line.back() == ']' && IsName(name, true);
            if (known) section = std::string(name);
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            known = !section.empty() &&
                    Setting(s, section, Trimmed(line.substr(0, eq)), Trimmed(line.substr(eq + 1)));
        }
        if (!known) {
            reason = "line " + std::to_string(number) + " is no setting of this program";
            return false;
        }
    }
    if (s.comPort == 0 && s.comDevice.empty()) {
        reason = "the port reported by the system names no device";
        return false;
    }
    std::erase_if(s.editors,
                  [](const auto& e) { return e.second == RememberedSettings::Editor{}; });
    out = std::move(s);
    return true;
}

std::string SettingsText(const RememberedSettings& s) {
    std::string text;
    if (s.comPort || !s.comDevice.empty()) {
        text += "[com]\n";
        if (s.comPort) text += "port=" + std::to_string(*s.comPort) + "\n";
        text += "device=" + Quoted(s.comDevice) + "\n\n";
    }
    for (const auto& [kind, editor] : s.editors) {
        if (editor.folder.empty() && editor.recent.empty()) continue;
        text += "[" + kind + "]\n";
        if (!editor.folder.empty()) text += "folder=" + Quoted(editor.folder) + "\n";
        for (std::size_t i = 0; i < editor.recent.size(); ++i)
            text += (i == 0 ? "recent=" : ", ") + Quoted(editor.recent[i]);
        text += editor.recent.empty() ? "\n" : "\n\n";
    }
    if (!s.windows.empty()) text += "[windows]\n";
    for (const auto& [name, p] : s.windows)
        text += name + "=@Rect(" + std::to_string(p.x) + " " + std::to_string(p.y) + " " +
                std::to_string(p.width) + " " + std::to_string(p.height) + ")\n";
    if (!s.calibrations.empty()) text += "\n[calibration]\n";
    for (const auto& [robot, values] : s.calibrations)
        text += "robot" + std::to_string(robot) + "=" + Quoted(values) + "\n";
    if (!s.afterRun.empty() || !s.broker.empty()) text += "\n[plant]\n";
    if (!s.afterRun.empty()) text += "after_run=" + Quoted(s.afterRun) + "\n";
    if (!s.broker.empty()) text += "broker=" + Quoted(s.broker) + "\n";
    if (!s.language.empty()) text += "\n[display]\nlanguage=" + Quoted(s.language) + "\n";
    return text;
}

SettingsRead ReadRemembered(const std::string& path, RememberedSettings& out, std::string& reason) {
    out = {};
    struct stat st {};
    const bool there = ::stat(path.c_str(), &st) == 0;
    if (!there && errno == ENOENT) return SettingsRead::Absent;
    if (there && !S_ISREG(st.st_mode)) {
        reason = S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
        return SettingsRead::NoFile;
    }
    std::string bytes;
    if (!ReadWholeFile(path, bytes, reason)) return SettingsRead::Damaged;
    return ParseSettings(bytes, out, reason) ? SettingsRead::Read : SettingsRead::Damaged;
}

}  // namespace mivo
