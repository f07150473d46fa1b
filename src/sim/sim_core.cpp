#include "sim/sim_core.h"

namespace mivo {

namespace {

const char* const kCommandError = "10:Command error";
const char* const kFamilyNames[kSimFamilies] = {"core",    "steps",      "motion",
                                                "records", "parameters", "io"};

// A line of noise as a wrong line setting gives: no CR, LF or NUL in it.
std::string Noise() {
    std::string s;
    for (int i = 0; i < 24; ++i) s.push_back(static_cast<char>(0x80 + (i * 37) % 0x7E));
    return s;
}

bool Matches(const std::string& line, const std::string& keyword) {
    if (line.compare(0, keyword.size(), keyword) != 0) return false;
    return line.size() == keyword.size() || line[keyword.size()] == ' ' || keyword.back() == '=';
}

}  // namespace

std::optional<SimFamily> SimFamilyNamed(const std::string& name) {
    for (std::size_t i = 0; i < kSimFamilies; ++i)
        if (name == kFamilyNames[i]) return static_cast<SimFamily>(i);
    return std::nullopt;
}

const char* SimFamilyName(SimFamily family) {
    return kFamilyNames[static_cast<std::size_t>(family)];
}

SimCore::SimCore() {
    // The reset a sender gives after a "07" error.
    addCommand(SimFamily::Core, "@", [this](const std::string&) { reply("OK"); });
}

void SimCore::addCommand(SimFamily family, const std::string& keyword, Handler handler) {
    for (auto& c : commands_) {
        if (c.keyword == keyword) {
            c.family = family;
            c.handler = std::move(handler);
            return;
        }
    }
    commands_.push_back({keyword, family, std::move(handler)});
}

void SimCore::addCommand(const std::string& keyword, Handler handler) {
    SimFamily family = SimFamily::Core;
    for (const auto& c : commands_)
        if (c.keyword == keyword) family = c.family;
    addCommand(family, keyword, std::move(handler));
}

const SimCore::Command* SimCore::match(const std::string& line) const {
    const Command* best = nullptr;
    for (const auto& c : commands_)
        if (Matches(line, c.keyword) && (!best || c.keyword.size() > best->keyword.size()))
            best = &c;
    return best;
}

void SimCore::receive(const std::string& command) {
    received_.push_back(command);
    const int n = static_cast<int>(received_.size());
    if (hungUp_) return;
    if (faults.hangupAfter >= 0 && n > faults.hangupAfter) {
        hungUp_ = true;
        return;
    }
    if (faults.silentAfter >= 0 && n > faults.silentAfter) return;
    const Command* c = match(command);
    std::optional<SimFamily> family;
    int inFamily = 0;
    if (c) {
        family = c->family;
        inFamily = ++perFamily_[static_cast<std::size_t>(c->family)];
    }
    auto hits = [&](const SimPick& pick) { return pick.hits(n, family, inFamily); };
    const std::size_t before = replies_.size();
    answer(command, c, hits);
    if (!hits(faults.late) || replies_.size() == before) return;
    std::vector<std::string> lines(replies_.begin() + static_cast<std::ptrdiff_t>(before),
                                   replies_.end());
    replies_.resize(before);
    clock_.after(faults.lateBy, [this, lines] {
        for (const std::string& l : lines) reply(l);
    });
}

void SimCore::answer(const std::string& command, const Command* c,
                     const std::function<bool(const SimPick&)>& hits) {
    if (hits(faults.silent)) return;
    if (hits(faults.longLine)) {
        std::string line;
        for (std::size_t i = 0; i < faults.longLineLength; ++i)
            line.push_back(static_cast<char>('0' + i % 10));
        reply(line);
    }
    const std::string noise = faults.noise.empty() ? Noise() : faults.noise;
    if (hits(faults.garbage)) {
        reply(noise);
        return;
    }
    if (hits(faults.emptyLine)) {
        reply("");
        return;
    }
    if (hits(faults.noiseBefore)) reply(noise);
    if (hits(faults.refuse)) {
        refuse(faults.refuseLine);
        return;
    }
    if (!c) {
        refuse(kCommandError);
        return;
    }
    std::string args = command.substr(c->keyword.size());
    if (!args.empty() && args[0] == ' ' && c->keyword.back() != '=') args.erase(0, 1);
    // The handler may register commands and so move the table: call a copy.
    const Handler handler = c->handler;
    handler(args);
}

void SimCore::reply(const std::string& line) { replies_.push_back(line); }

void SimCore::refuse(const std::string& errorLine) {
    reply("NG");
    reply(errorLine);
}

std::string SimCore::takeReply() {
    if (replies_.empty()) return "";
    std::string line = std::move(replies_.front());
    replies_.pop_front();
    return line;
}

std::string SimCore::idleNoise() const {
    return faults.equalBytesWhenIdle ? std::string(8, '\xFF') : std::string();
}

}  // namespace mivo
