#include "plant/mqtt_publisher.h"

#include <algorithm>
#include <utility>

#include "plant/publisher_link.h"

namespace mivo {

namespace {

constexpr std::chrono::seconds kEndSlack{1};

}  // namespace

MqttPublisher::MqttPublisher(MqttUrl url, int robot, Said said, MqttPublisherOptions options)
    : url_(std::move(url)), link_(std::make_shared<Link>()) {
    link_->url = url_;
    link_->options = options;
    link_->options.queueLimit = std::max<std::size_t>(1, options.queueLimit);
    link_->said = std::move(said);
    link_->robot = robot;
    link_->stateTopic = StateTopic(url_, robot);
    link_->worker = std::thread([link = link_] { link->run(); });
}

MqttPublisher::~MqttPublisher() {
    {
        const std::lock_guard<std::mutex> lock(link_->sayMutex);
        link_->silent = true;
    }
    std::unique_lock<std::mutex> lock(link_->mutex);
    link_->ending = true;
    link_->wake.notify_all();
    const bool done = link_->ended.wait_for(lock, link_->options.endWait + kEndSlack,
                                            [this] { return link_->finished; });
    lock.unlock();
    if (done)
        link_->worker.join();
    else
        link_->worker.detach();
}

// These only queue: the worker comes to look (publisher_link's kLookEvery).
void MqttPublisher::setRobot(int robot) {
    const std::lock_guard<std::mutex> lock(link_->mutex);
    if (robot == link_->robot) return;
    const std::string topic = StateTopic(url_, robot);
    if (link_->told.count(link_->stateTopic)) link_->retired.push_back(link_->stateTopic);
    std::erase(link_->retired, topic);
    link_->robot = robot;
    link_->stateTopic = topic;
    link_->stateDirty = true;
}

void MqttPublisher::publishState(PlantState state) {
    const std::lock_guard<std::mutex> lock(link_->mutex);
    link_->state = state;
    link_->stateDirty = true;
}

void MqttPublisher::publishRun(const RunRecord& run) {
    WaitingRun waiting{run, -1};  // copied before the mutex is taken
    const std::lock_guard<std::mutex> lock(link_->mutex);
    if (link_->runs.size() >= link_->options.queueLimit) {
        link_->runs.pop_front();
        ++link_->dropped;
        link_->dropNotice = true;
    }
    waiting.robot = link_->robot;
    link_->runs.push_back(std::move(waiting));
}

bool MqttPublisher::connected() const { return link_->connectedFlag; }

std::uint64_t MqttPublisher::droppedRuns() const { return link_->dropped; }

}  // namespace mivo
