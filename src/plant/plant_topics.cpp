#include "plant/plant_topics.h"

namespace mivo {

std::string_view PlantStateWord(PlantState state) {
    switch (state) {
        case PlantState::Online:
            return "online";
        case PlantState::Running:
            return "running";
        case PlantState::Stopped:
            return "stopped";
        case PlantState::Error:
            return "error";
        case PlantState::Offline:
            return "offline";
    }
    return "online";
}

PlantState StateAfterRun(RunResult result) {
    if (result == RunResult::End) return PlantState::Online;
    if (result == RunResult::Error) return PlantState::Error;
    return PlantState::Stopped;
}

std::string RobotTopicLevel(int robot) { return robot < 0 ? "unknown" : std::to_string(robot); }

std::string StateTopic(const MqttUrl& url, int robot) {
    return url.prefix + "/" + RobotTopicLevel(robot) + "/state";
}

std::string RunTopic(const MqttUrl& url, int robot) {
    return url.prefix + "/" + RobotTopicLevel(robot) + "/run";
}

}  // namespace mivo
