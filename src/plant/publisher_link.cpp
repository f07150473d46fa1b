#include "plant/publisher_link.h"

#include <mosquitto.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "common/said_text.h"
#include "plant/run_json.h"

namespace mivo {

namespace {

constexpr const char* kCannotBeReached =
    UI_TEXT("Message", "The plant's broker %1 cannot be reached (%2); runs wait for it, up to %3.");

using Clock = std::chrono::steady_clock;
// Messages handed to libmosquitto and not yet acknowledged: the rest wait in our own bounded
// queue, so that libmosquitto's (unbounded) one stays short.
constexpr int kInFlight = 10;
// The caller only queues, without waking the worker (a wake is a system call, as costly as the
// exchange's own part): the worker looks at the queue this often. libmosquitto's callbacks and
// the end wake it.
constexpr std::chrono::milliseconds kLookEvery{100};

using Message = PlantMessage;

std::once_flag libraryReady;

Message Offline(std::string topic) {
    return {std::move(topic), std::string(PlantStateWord(PlantState::Offline)), true, {}};
}

Message RunMessage(const MqttUrl& url, WaitingRun& w) {
    return {RunTopic(url, w.run.robot >= 0 ? w.run.robot : w.robot), "", false, std::move(w.run)};
}

// Errors after which libmosquitto's thread gives up rather than connect again.
bool EndsTheLoop(int rc) {
    static constexpr int kEnds[] = {
        MOSQ_ERR_NOMEM,           MOSQ_ERR_PROTOCOL, MOSQ_ERR_INVAL,
        MOSQ_ERR_NOT_FOUND,       MOSQ_ERR_TLS,      MOSQ_ERR_PAYLOAD_SIZE,
        MOSQ_ERR_NOT_SUPPORTED,   MOSQ_ERR_AUTH,     MOSQ_ERR_ACL_DENIED,
        MOSQ_ERR_UNKNOWN,         MOSQ_ERR_EAI,      MOSQ_ERR_PROXY,
        MOSQ_ERR_MALFORMED_PACKET};
    return std::find(std::begin(kEnds), std::end(kEnds), rc) != std::end(kEnds);
}

// libmosquitto's reason for `rc`, read at once (MOSQ_ERR_ERRNO's is errno's).
std::string Reason(int rc) {
    return rc == MOSQ_ERR_ERRNO ? std::strerror(errno) : mosquitto_strerror(rc);
}

}  // namespace

void MqttPublisher::Link::OnConnect(mosquitto*, void* self, int rc) {
    auto* link = static_cast<Link*>(self);
    const std::lock_guard<std::mutex> lock(link->mutex);
    if (rc == 0) {
        link->setConnected(true);
        link->everConnected = true;
        ++link->connections;
    } else if (!link->connectionSentence) {
        link->connectionSentence = UI_TEXT("Message",
                                           "The plant's broker %1 refused the connection (%2); "
                                           "runs wait for it, up to %3.");
        link->connectionNotice = mosquitto_connack_string(rc);
    }
    link->wake.notify_all();
}
void MqttPublisher::Link::OnDisconnect(mosquitto*, void* self, int rc) {
    auto* link = static_cast<Link*>(self);
    const std::string reason = Reason(rc);
    const std::lock_guard<std::mutex> lock(link->mutex);
    link->setConnected(false);
    if (EndsTheLoop(rc)) link->loopGone = true;
    if (rc != 0 && !link->ending && !link->connectionSentence) {
        link->connectionSentence =
            link->everConnected ? UI_TEXT("Message",
                                          "The plant's broker %1 went away (%2); runs wait for "
                                          "it, up to %3.")
                                : kCannotBeReached;
        link->connectionNotice = reason;
    }
    link->wake.notify_all();
}
void MqttPublisher::Link::OnPublish(mosquitto*, void* self, int) {
    auto* link = static_cast<Link*>(self);
    const std::lock_guard<std::mutex> lock(link->mutex);
    link->inFlight = std::max(0, link->inFlight - 1);
    link->wake.notify_all();
}

void MqttPublisher::Link::run() {
    std::call_once(libraryReady, [] { mosquitto_lib_init(); });
    client = mosquitto_new(nullptr, true, this);
    if (client) {
        mosquitto_connect_callback_set(client, OnConnect);
        mosquitto_disconnect_callback_set(client, OnDisconnect);
        mosquitto_publish_callback_set(client, OnPublish);
        const auto delayMax = static_cast<unsigned>(std::max<long long>(
            1,
            std::chrono::duration_cast<std::chrono::seconds>(options.reconnectDelayMax).count()));
        mosquitto_reconnect_delay_set(client, 1, delayMax, true);
        mosquitto_int_option(client, MOSQ_OPT_TCP_NODELAY, 1);
        serve();
        end();
        mosquitto_destroy(client);
    } else {
        say(Filled(UI_TEXT("Message", "The plant's broker %1 cannot be told: no MQTT client (%2)."),
                   {MqttUrlText(url), std::strerror(errno)}));
    }
    const std::lock_guard<std::mutex> lock(mutex);
    finished = true;
    ended.notify_all();
}

void MqttPublisher::Link::serve() {
    std::unique_lock<std::mutex> lock(mutex);
    Clock::time_point retryAt = Clock::now();
    std::chrono::seconds retryDelay{1};
    while (!ending) {
        // Each step that lets go of the mutex starts the loop again, so that nothing that came
        // meanwhile waits for the next wake.
        if (tellNotices(lock)) continue;
        if (!started) {
            if (Clock::now() < retryAt) {
                wake.wait_until(lock, retryAt);
                continue;
            }
            const std::string will = stateTopic;
            lock.unlock();
            const int rc = startSession(will);
            const std::string reason = Reason(rc);
            lock.lock();
            if (rc != MOSQ_ERR_SUCCESS) {
                if (!connectionSentence) {
                    connectionSentence = kCannotBeReached;
                    connectionNotice = reason;
                }
                retryAt = Clock::now() + retryDelay;
                retryDelay = std::min(retryDelay * 2,
                                      std::max(options.reconnectDelayMax, std::chrono::seconds{1}));
                continue;
            }
            started = true;
            willTopic = will;
            retryDelay = std::chrono::seconds{1};
            continue;
        }
        // The connection's last will names an earlier robot: once that one's "offline" is
        // through, connect anew with the will on the present robot. Likewise when libmosquitto's
        // thread gave up.
        if (loopGone ||
            (willTopic != stateTopic && (!connectedNow || (retired.empty() && inFlight == 0)))) {
            lock.unlock();
            stopSession(false);
            lock.lock();
            started = false;
            retryAt = loopGone ? Clock::now() + retryDelay : Clock::now();
            loopGone = false;
            continue;
        }
        const std::vector<Message> out = due();
        if (!out.empty()) {
            lock.unlock();
            publish(out);
            lock.lock();
            continue;
        }
        wake.wait_for(lock, kLookEvery);
    }
}

// The clean end: what still waits and "offline", while connected, then the connection closed.
void MqttPublisher::Link::end() {
    std::unique_lock<std::mutex> lock(mutex);
    const bool wasStarted = started;
    if (started && connectedNow) {
        std::vector<Message> out = takeRetired();
        for (WaitingRun& w : runs) out.push_back(RunMessage(url, w));
        runs.clear();
        out.push_back(Offline(stateTopic));
        inFlight += static_cast<int>(out.size());
        lock.unlock();
        publish(out);
        lock.lock();
        wake.wait_for(lock, options.endWait, [this] { return inFlight <= 0 || !connectedNow; });
    }
    const bool wasConnected = connectedNow;
    lock.unlock();
    // Not connected, libmosquitto's thread may sleep until its next attempt: it is cancelled.
    if (wasStarted) stopSession(!wasConnected);
}

int MqttPublisher::Link::startSession(const std::string& will) {
    const std::string_view offline = PlantStateWord(PlantState::Offline);
    mosquitto_will_set(client, will.c_str(), static_cast<int>(offline.size()), offline.data(), 1,
                       true);
    const int rc = mosquitto_connect_async(client, url.host.c_str(), url.port, options.keepaliveS);
    if (rc != MOSQ_ERR_SUCCESS) return rc;
    return mosquitto_loop_start(client);
}

void MqttPublisher::Link::stopSession(bool force) {
    mosquitto_disconnect(client);
    mosquitto_loop_stop(client, force);
    const std::lock_guard<std::mutex> lock(mutex);
    setConnected(false);
}

// What is to be published now, counted in flight (under the mutex).
std::vector<Message> MqttPublisher::Link::due() {
    if (!connectedNow) return {};
    if (sessionSeen != connections) {
        sessionSeen = connections;
        stateDirty = true;  // the broker may have told the last will meanwhile
    }
    std::vector<Message> out = takeRetired();
    if (willTopic == stateTopic) {
        if (stateDirty) {
            out.push_back({stateTopic, std::string(PlantStateWord(state)), true, {}});
            told.insert(stateTopic);
            stateDirty = false;
        }
        while (!runs.empty() && inFlight + static_cast<int>(out.size()) < kInFlight) {
            out.push_back(RunMessage(url, runs.front()));
            runs.pop_front();
        }
    }
    inFlight += static_cast<int>(out.size());
    return out;
}

void MqttPublisher::Link::publish(const std::vector<Message>& out) {
    int notTaken = 0;
    for (const Message& m : out) {
        const std::string payload = m.run ? RunJson(*m.run) : m.payload;
        const int rc =
            mosquitto_publish(client, nullptr, m.topic.c_str(), static_cast<int>(payload.size()),
                              payload.data(), 1, m.retain);
        // Without a connection libmosquitto keeps a QoS 1 message and sends it on the next.
        if (rc != MOSQ_ERR_SUCCESS && rc != MOSQ_ERR_NO_CONN) ++notTaken;
    }
    if (notTaken == 0) return;
    const std::lock_guard<std::mutex> lock(mutex);
    inFlight = std::max(0, inFlight - notTaken);
}

// Says what is to be said (the mutex let go meanwhile); false when there was nothing.
bool MqttPublisher::Link::tellNotices(std::unique_lock<std::mutex>& lock) {
    std::vector<std::string> texts;
    const std::string broker = MqttUrlText(url);
    if (connectionSentence && !saidConnection) {
        saidConnection = true;
        texts.push_back(Filled(connectionSentence,
                               {broker, connectionNotice, std::to_string(options.queueLimit)}));
    }
    connectionSentence = nullptr;
    connectionNotice.clear();
    if (dropNotice && !saidDrop) {
        saidDrop = true;
        texts.push_back(
            Filled(UI_TEXT("Message",
                           "The plant's broker %1 has not taken the runs: beyond the "
                           "%2 that wait for it the oldest are dropped (%3 so far)."),
                   {broker, std::to_string(options.queueLimit), std::to_string(dropped)}));
    }
    dropNotice = false;
    if (texts.empty()) return false;
    lock.unlock();
    for (const std::string& text : texts) say(text);
    lock.lock();
    return true;
}

void MqttPublisher::Link::say(const std::string& text) {
    const std::lock_guard<std::mutex> lock(sayMutex);
    if (!silent && said) said(text);
}

std::vector<PlantMessage> MqttPublisher::Link::takeRetired() {
    std::vector<Message> out;
    for (std::string& topic : retired) out.push_back(Offline(std::move(topic)));
    retired.clear();
    return out;
}

}  // namespace mivo
