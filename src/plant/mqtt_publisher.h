#pragma once
// Tells the plant's MQTT broker how the robot stands and each run, through libmosquitto, on the
// topics of plant/plant_topics: the state retained, QoS 1, "offline" also as the connection's
// last will (so that the broker says it when this program dies or its network goes); each run's
// JSON with QoS 1, not retained. Plain C++.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/run_record.h"
#include "plant/mqtt_url.h"
#include "plant/plant_topics.h"

namespace mivo {

struct MqttPublisherOptions {
    std::size_t queueLimit = 1000;               // runs waiting for the broker, the newest kept
    std::chrono::milliseconds endWait{2000};     // the clean end's wait for the broker
    std::chrono::seconds reconnectDelayMax{10};  // between attempts: 1 s, growing to this
    int keepaliveS = 30;
};

// Connects on threads of its own (libmosquitto's network thread and a worker), reconnecting
// for as long as it lives; so no call here waits for the broker: they only put the message in
// a queue, without even a system call to wake the worker, which looks at the queue every
// 100 ms. While there is no connection the runs wait, at most queueLimit of them; beyond that
// the oldest are dropped and counted. The state is not queued: the latest is told on each
// connection (after the broker may have said the last will).
//
// Said once each, through `said` on the worker thread (never after the destructor returned;
// it must not destroy this object): that the broker cannot be reached, went away or refused
// the connection; that runs were dropped.
//
// The robot may become known (or change) later: the old state topic is then told "offline"
// and the connection made anew, its last will on the new one, where the state is told again.
// Runs go to their record's robot, or to the publisher's when the record's is not known.
//
// The destructor is the clean end: the runs still waiting and "offline" are published while
// the broker is connected, their acknowledgement awaited at most endWait, then the connection
// closes. It returns within about endWait + 1 s even when the broker is gone or stuck (the
// worker is then left to end on its own, saying nothing).
class MqttPublisher {
  public:
    using Said = std::function<void(const std::string&)>;

    MqttPublisher(MqttUrl url, int robot, Said said = {}, MqttPublisherOptions options = {});
    ~MqttPublisher();
    MqttPublisher(const MqttPublisher&) = delete;
    MqttPublisher& operator=(const MqttPublisher&) = delete;

    void setRobot(int robot);
    void publishState(PlantState state);
    void publishRun(const RunRecord& run);

    // Connected to the broker now (as the network thread last knew).
    bool connected() const;
    // Runs dropped from the full queue so far.
    std::uint64_t droppedRuns() const;
    const MqttUrl& url() const { return url_; }

  private:
    struct Link;

    MqttUrl url_;
    std::shared_ptr<Link> link_;
};

}  // namespace mivo
