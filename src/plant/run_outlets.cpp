#include "plant/run_outlets.h"

#include "history/history_recorder.h"
#include "plant/end_command.h"
#include "plant/mqtt_publisher.h"
#include "plant/plant_topics.h"

namespace mivo {

RunOutlets::RunOutlets(const RunOutletSettings& settings, Said said,
                       std::function<void(const RunRecord&)> kept)
    : said_(said), robot_(settings.robot) {
    setPlant(settings.endCommand, settings.broker);
    history_ = std::make_unique<HistoryRecorder>(
        settings.historyFile, said, [this, kept = std::move(kept)](const RunRecord& run) {
            if (kept) kept(run);
            const std::lock_guard lock(plantMutex_);
            if (endCommand_) endCommand_->run(run);
            // The robot a run names is the one whose state the broker hears from then on.
            if (run.robot >= 0) robot_ = run.robot;
            if (publisher_) {
                publisher_->setRobot(robot_);
                publisher_->publishRun(run);
                publisher_->publishState(StateAfterRun(run.result));
            }
        });
}

RunOutlets::~RunOutlets() { history_.reset(); }

void RunOutlets::setPlant(const std::string& endCommand, const std::optional<MqttUrl>& broker) {
    std::unique_ptr<EndCommand> command;
    if (!endCommand.empty()) command = std::make_unique<EndCommand>(endCommand, said_);
    std::unique_ptr<MqttPublisher> publisher;
    if (broker) {
        int robot = -1;
        {
            const std::lock_guard lock(plantMutex_);
            robot = robot_;
        }
        publisher = std::make_unique<MqttPublisher>(*broker, robot, said_);
        publisher->publishState(PlantState::Online);
    }
    {
        const std::lock_guard lock(plantMutex_);
        std::swap(endCommand_, command);
        std::swap(publisher_, publisher);
    }
    // The ones before end here, off the lock: a publisher says "offline" as it goes.
}

void RunOutlets::runBegan() {
    const std::lock_guard lock(plantMutex_);
    if (publisher_) publisher_->publishState(PlantState::Running);
}

void RunOutlets::runFinished(const RunRecord& run) { history_->record(run); }

void RunOutlets::sync() { history_->sync(); }

}  // namespace mivo
