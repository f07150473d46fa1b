#include "plant/run_outlets.h"

#include "history/history_recorder.h"
#include "plant/end_command.h"
#include "plant/mqtt_publisher.h"
#include "plant/plant_topics.h"

namespace mivo {

RunOutlets::RunOutlets(const RunOutletSettings& settings, Said said,
                       std::function<void(const RunRecord&)> kept) {
    if (!settings.endCommand.empty())
        endCommand_ = std::make_unique<EndCommand>(settings.endCommand, said);
    if (settings.broker) {
        publisher_ = std::make_unique<MqttPublisher>(*settings.broker, settings.robot, said);
        publisher_->publishState(PlantState::Online);
    }
    history_ = std::make_unique<HistoryRecorder>(
        settings.historyFile, said, [this, kept = std::move(kept)](const RunRecord& run) {
            if (kept) kept(run);
            if (endCommand_) endCommand_->run(run);
            if (publisher_) {
                publisher_->publishRun(run);
                publisher_->publishState(StateAfterRun(run.result));
            }
        });
}

RunOutlets::~RunOutlets() { history_.reset(); }

void RunOutlets::runBegan() {
    if (publisher_) publisher_->publishState(PlantState::Running);
}

void RunOutlets::runFinished(const RunRecord& run) { history_->record(run); }

void RunOutlets::sync() { history_->sync(); }

}  // namespace mivo
