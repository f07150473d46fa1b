#include "cli/stop_signal_watch.h"

#include "common/stop_signals.h"

namespace mivo {

StopSignalWatch::StopSignalWatch(std::function<void()> onStop) : onStop_(std::move(onStop)) {
    const int fd = StopSignalDescriptor();
    if (fd < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        // The descriptor stays readable: the watch stops looking rather than drain it.
        notifier_->setEnabled(false);
        stopped_ = true;
        onStop_();
    });
}

}  // namespace mivo
