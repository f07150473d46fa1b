#pragma once
// What the plant's broker is told where: the robot's state and its runs, each under the topic
// prefix and the robot's level,
//   PREFIX/<robot>/state  "online", "running", "stopped", "error" or "offline"
//   PREFIX/<robot>/run    one run's JSON (plant/run_json)
// <robot> being the robot number, "unknown" while it is not known. Plain C++.
#include <string>
#include <string_view>

#include "common/run_record.h"
#include "plant/mqtt_url.h"

namespace mivo {

enum class PlantState {
    Online,   // the program is up; no run under way, the last one came to its END
    Running,  // a run under way
    Stopped,  // the last run was stopped (STOP, MSTOP, EMG), lost its line or outlived the host
    Error,    // the last run ended with the controller's error
    Offline,  // the program ended (or died: the broker tells its last will)
};

std::string_view PlantStateWord(PlantState state);
// The state a run leaves that ended so.
PlantState StateAfterRun(RunResult result);

// A robot's topic level: its number, or "unknown" for -1.
std::string RobotTopicLevel(int robot);
std::string StateTopic(const MqttUrl& url, int robot);
std::string RunTopic(const MqttUrl& url, int robot);

}  // namespace mivo
