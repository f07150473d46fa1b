#include "sim/sim_controller.h"

namespace mivo {

namespace {

const char* const kCommandError = "10:Command error";
const char* const kParameterError = "11:Parameter error";

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

SimController::SimController() : programs(kPrograms, std::vector<std::string>(kSteps)) {
    addBuiltins();
}

void SimController::addCommand(const std::string& keyword, Handler handler) {
    for (auto& c : commands_) {
        if (c.first == keyword) {
            c.second = std::move(handler);
            return;
        }
    }
    commands_.emplace_back(keyword, std::move(handler));
}

void SimController::addBuiltins() {
    addCommand("@?NO", [this](const std::string&) {
        reply(std::to_string(currentProgram));
        reply("OK");
    });
    addCommand("@?ORG", [this](const std::string&) {
        reply(std::to_string(originState));
        reply("OK");
    });
    addCommand("@ORG", [this](const std::string&) {
        originState = 1;
        reply("OK");
    });
    addCommand("@?Ver", [this](const std::string& args) {
        if (args.size() != 1 || args[0] < '0' || args[0] >= '0' + kUnits) {
            refuse(kParameterError);
            return;
        }
        reply(versions[static_cast<std::size_t>(args[0] - '0')]);
        reply("OK");
    });
    addCommand("@MSTOP", [this](const std::string&) {
        reply("MSTOP");
        reply("OK");
    });
    addCommand("@STOP", [this](const std::string&) { reply("OK"); });
    addCommand("\x1A", [this](const std::string&) { reply("OK"); });
    addCommand("@", [this](const std::string&) { reply("OK"); });
    addStepCommands();
}

void SimController::receive(const std::string& command) {
    received_.push_back(command);
    const int n = static_cast<int>(received_.size());
    if (hungUp_) return;
    if (faults.hangupAfter >= 0 && n > faults.hangupAfter) {
        hungUp_ = true;
        return;
    }
    if (faults.silent.hits(n)) return;
    if (faults.longLine.hits(n)) {
        std::string line;
        for (std::size_t i = 0; i < faults.longLineLength; ++i)
            line.push_back(static_cast<char>('0' + i % 10));
        reply(line);
    }
    if (faults.garbage.hits(n)) {
        reply(Noise());
        return;
    }
    if (faults.refuse.hits(n)) {
        refuse(faults.refuseLine);
        return;
    }
    const std::pair<std::string, Handler>* best = nullptr;
    for (const auto& c : commands_)
        if (Matches(command, c.first) && (!best || c.first.size() > best->first.size())) best = &c;
    if (!best) {
        refuse(kCommandError);
        return;
    }
    std::string args = command.substr(best->first.size());
    if (!args.empty() && args[0] == ' ' && best->first.back() != '=') args.erase(0, 1);
    best->second(args);
}

void SimController::reply(const std::string& line) { replies_.push_back(line); }

void SimController::refuse(const std::string& errorLine) {
    reply("NG");
    reply(errorLine);
}

std::string SimController::takeReply() {
    if (replies_.empty()) return "";
    std::string line = std::move(replies_.front());
    replies_.pop_front();
    return line;
}

std::string SimController::idleNoise() const {
    return faults.equalBytesWhenIdle ? std::string(8, '\xFF') : std::string();
}

}  // namespace mivo
