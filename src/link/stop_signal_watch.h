#pragma once
// The stop signals (SIGINT, SIGTERM, SIGHUP) as mivo and the editor see them from the event loop:
// each one runs `onStop` (a second Ctrl+C may end more than the first did).
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace mivo {

class StopSignalWatch {
  public:
    explicit StopSignalWatch(std::function<void()> onStop);
    // A signal came (and `onStop` ran, or runs now).
    bool stopped() const { return stopped_; }

  private:
    std::function<void()> onStop_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool stopped_ = false;
};

}  // namespace mivo
