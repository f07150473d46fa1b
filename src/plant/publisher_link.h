#pragma once
// The MQTT publisher's inside (plant/mqtt_publisher): its queue and state, shared by the caller,
// its worker thread and libmosquitto's network thread, and the worker that hands the messages
// to libmosquitto, connects anew and ends. Plain C++.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "plant/mqtt_publisher.h"

struct mosquitto;

namespace mivo {

// A message as it goes to libmosquitto.
struct PlantMessage {
    std::string topic;
    std::string payload;
    bool retain = false;
    std::optional<RunRecord> run;  // the payload's JSON, made outside the mutex
};

// A run that waits for the broker.
struct WaitingRun {
    RunRecord run;
    int robot = -1;  // the publisher's when the run was given
};

struct MqttPublisher::Link {
    using Message = PlantMessage;

    MqttUrl url;
    MqttPublisherOptions options;
    Said said;
    mosquitto* client = nullptr;
    std::thread worker;

    // Shared by the caller, the worker and libmosquitto's callbacks.
    std::mutex mutex;
    std::condition_variable wake;   // for the worker
    std::condition_variable ended;  // for the destructor
    std::deque<WaitingRun> runs;
    PlantState state = PlantState::Online;
    bool stateDirty = true;
    int robot = -1;
    std::string stateTopic;
    std::vector<std::string> retired;  // state topics of an earlier robot, to be told "offline"
    std::set<std::string> told;        // state topics told a state
    bool ending = false;
    bool finished = false;
    bool connectedNow = false;
    bool loopGone = false;  // libmosquitto's thread gave up: the worker starts it anew
    bool everConnected = false;
    std::uint64_t connections = 0;
    int inFlight = 0;
    // What went wrong with the broker, to be said: the whole sentence (the broker %1, the reason
    // %2, the queue's limit %3), none while nothing did, and the reason.
    const char* connectionSentence = nullptr;
    std::string connectionNotice;
    bool dropNotice = false;
    std::atomic<bool> connectedFlag{false};
    std::atomic<std::uint64_t> dropped{0};

    // The worker's own.
    bool started = false;   // libmosquitto's thread runs a connection
    std::string willTopic;  // of that connection
    std::uint64_t sessionSeen = 0;
    bool saidConnection = false;
    bool saidDrop = false;

    std::mutex sayMutex;  // held while `said` runs
    bool silent = false;  // the owner is gone

    void run();
    void serve();
    void end();
    int startSession(const std::string& will);
    void stopSession(bool force);
    std::vector<Message> due();
    std::vector<Message> takeRetired();
    void publish(const std::vector<Message>& out);
    bool tellNotices(std::unique_lock<std::mutex>& lock);
    void say(const std::string& text);
    void setConnected(bool connected) {
        connectedNow = connected;
        connectedFlag = connected;
    }

    // libmosquitto's callbacks, on its network thread.
    static void OnConnect(mosquitto*, void* self, int rc);
    static void OnDisconnect(mosquitto*, void* self, int rc);
    static void OnPublish(mosquitto*, void* self, int mid);
};

}  // namespace mivo
