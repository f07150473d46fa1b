#include "link/line_assembler.h"

namespace mivo {

namespace {

bool CannotBeginALine(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return (b < 0x20 && b != '\r' && b != '\n') || b == 0x7F || b == 0xFF;
}

}  // namespace

bool LineAssembler::feed(char byte) {
    if (complete_) clear();
    if (line_.empty() && CannotBeginALine(byte)) {
        dropped_.push_back(byte);
        return false;
    }
    if (byte == '\0') return false;
    if (byte == '\n') {
        if (!line_.empty() && line_.back() == '\r') line_.pop_back();
        complete_ = true;
        return true;
    }
    if (line_.size() < kMaxLine) line_.push_back(byte);
    return false;
}

std::string LineAssembler::take() {
    std::string out;
    out.swap(line_);
    complete_ = false;
    return out;
}

std::string LineAssembler::takeDropped() {
    std::string out;
    out.swap(dropped_);
    return out;
}

void LineAssembler::clear() {
    line_.clear();
    complete_ = false;
}

}  // namespace mivo
