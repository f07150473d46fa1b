#pragma once
// Where a run goes when it ends, the same for the editor and `mivo`: the run history first (so
// that the run has its number), then the command after each run and the plant's broker, all
// off the run's way on the history recorder's thread. The broker also hears when a run begins.
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "common/run_record.h"
#include "plant/mqtt_url.h"

namespace mivo {

class EndCommand;
class HistoryRecorder;
class MqttPublisher;

struct RunOutletSettings {
    std::filesystem::path historyFile;  // empty: the history says it has no folder
    std::string endCommand;             // "": none
    std::optional<MqttUrl> broker;      // none: no publishing
    int robot = -1;                     // the broker's topic until a run names its robot
};

class RunOutlets {
  public:
    using Said = std::function<void(const std::string&)>;
    // `said` (each outlet's messages, each said once) and `kept` (a run written, id 0 when not)
    // are called on other threads.
    RunOutlets(const RunOutletSettings& settings, Said said,
               std::function<void(const RunRecord&)> kept = {});
    ~RunOutlets();
    RunOutlets(const RunOutlets&) = delete;
    RunOutlets& operator=(const RunOutlets&) = delete;

    // The command after each run and the broker from now on (the editor's settings changed);
    // runs already handed on go to the ones before.
    void setPlant(const std::string& endCommand, const std::optional<MqttUrl>& broker);

    void runBegan();
    void runFinished(const RunRecord& run);
    // Waits until every run finished so far was written and handed on.
    void sync();

  private:
    Said said_;
    std::mutex plantMutex_;  // what follows: set on the caller's thread, used on the recorder's
    int robot_ = -1;         // the last run's, once one named it
    std::unique_ptr<EndCommand> endCommand_;
    std::unique_ptr<MqttPublisher> publisher_;
    std::unique_ptr<HistoryRecorder> history_;  // last: its thread ends first
};

}  // namespace mivo
