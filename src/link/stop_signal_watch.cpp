#include "link/stop_signal_watch.h"

#include <unistd.h>

#include "common/stop_signals.h"

namespace mivo {

StopSignalWatch::StopSignalWatch(std::function<void()> onStop) : onStop_(std::move(onStop)) {
    const int fd = StopSignalDescriptor();
    if (fd < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this, fd] {
        // One byte for each signal.
        char byte = 0;
        if (::read(fd, &byte, 1) != 1) notifier_->setEnabled(false);
        stopped_ = true;
        onStop_();
    });
}

}  // namespace mivo
