#include "cli/console_transfer_view.h"

#include <ostream>
#include <string>

namespace mivo {

ConsoleTransferView::ConsoleTransferView(std::ostream& err, bool terminal)
    : err_(err), terminal_(terminal) {}

void ConsoleTransferView::showProgress(int maximum) { steps_ = maximum + 1; }

void ConsoleTransferView::setProgress(int position) {
    if (!terminal_) return;
    const std::string line = "step " + std::to_string(position) + " of " + std::to_string(steps_);
    err_ << '\r' << line << std::flush;
    if (line.size() > width_) width_ = line.size();
}

void ConsoleTransferView::hideProgress() { clearLine(); }

void ConsoleTransferView::clearLine() {
    if (width_ == 0) return;
    err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    width_ = 0;
}

}  // namespace mivo
