#include "link/line_assembler.h"

namespace mivo {

bool LineAssembler::feed(char byte) {
    if (complete_) clear();
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

void LineAssembler::clear() {
    line_.clear();
    complete_ = false;
}

}  // namespace mivo
