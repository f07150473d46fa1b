#include "link/idle_monitor.h"

namespace mivo {

bool IdleMonitor::feed(char byte) {
    if (byte == '\0') return false;
    run_ = (counted_ > 0 && byte == last_) ? run_ + 1 : 1;
    last_ = byte;
    ++counted_;
    return counted_ > kEqualRun && run_ >= kEqualRun;
}

void IdleMonitor::reset() {
    counted_ = 0;
    run_ = 0;
    last_ = 0;
}

}  // namespace mivo
