#include "link/stable_port_name.h"

#include <algorithm>
#include <vector>

namespace mivo {

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> Resolved(const fs::path& path) {
    std::error_code ec;
    fs::path target = fs::canonical(path, ec);
    if (ec) return std::nullopt;
    return target;
}

// True when `path` names an entry directly in `folder`.
bool DirectlyIn(const fs::path& path, const fs::path& folder) {
    const fs::path p = path.lexically_normal();
    return p.has_filename() && p.parent_path() == folder.lexically_normal();
}

std::string Tidy(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<std::string> StableNameOf(const std::string& device, const fs::path& byId) {
    const std::optional<fs::path> target = Resolved(device);
    if (!target) return std::nullopt;
    std::vector<fs::path> links;
    std::error_code ec;
    for (fs::directory_iterator it(byId, ec), end; !ec && it != end; it.increment(ec))
        if (Resolved(it->path()) == target) links.push_back(it->path());
    if (links.empty()) return std::nullopt;
    return std::min_element(links.begin(), links.end())->string();
}

std::optional<std::string> DeviceOfStoredName(const std::string& stored, const fs::path& byId) {
    if (!DirectlyIn(stored, byId)) return stored;
    const std::optional<fs::path> target = Resolved(stored);
    if (!target) return std::nullopt;
    return target->string();
}

std::string PortListLine(const std::string& device, const std::string& description,
                         const std::string& maker, const std::string& serialNumber) {
    const std::string serial = Tidy(serialNumber);
    std::string details;
    for (const std::string& part :
         {Tidy(description), Tidy(maker), serial.empty() ? serial : "serial " + serial}) {
        if (!part.empty()) details += (details.empty() ? "" : ", ") + part;
    }
    return details.empty() ? device : device + " (" + details + ")";
}

}  // namespace mivo
