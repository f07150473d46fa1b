#pragma once
// A client of the test's own that subscribes to a broker and keeps what arrives, with libmosquitto
// on its network thread: what the plant would see. Its session may outlive the broker's restart.
#include <mosquitto.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace mivo::test {

struct Arrived {
    std::string topic, payload;
    bool retained = false;
};

class BrokerWatch {
  public:
    // Subscribes to `filter` with QoS 1; `id` non-empty keeps its session (and the messages for
    // it) in the broker while it is away.
    BrokerWatch(int port, std::string filter, const std::string& id = {})
        : filter_(std::move(filter)) {
        mosquitto_lib_init();
        client_ = mosquitto_new(id.empty() ? nullptr : id.c_str(), id.empty(), this);
        mosquitto_connect_callback_set(client_, [](mosquitto* m, void* self, int rc) {
            if (rc == 0)
                mosquitto_subscribe(m, nullptr, static_cast<BrokerWatch*>(self)->filter_.c_str(),
                                    1);
        });
        mosquitto_message_callback_set(
            client_, [](mosquitto*, void* self, const mosquitto_message* m) {
                auto* watch = static_cast<BrokerWatch*>(self);
                const auto* bytes = static_cast<const char*>(m->payload);
                const std::lock_guard<std::mutex> lock(watch->mutex_);
                watch->messages_.push_back({m->topic, {bytes, bytes + m->payloadlen}, m->retain});
                watch->arrived_.notify_all();
            });
        mosquitto_reconnect_delay_set(client_, 1, 1, false);
        mosquitto_connect(client_, "127.0.0.1", port, 30);
        mosquitto_loop_start(client_);
    }
    ~BrokerWatch() {
        mosquitto_disconnect(client_);
        mosquitto_loop_stop(client_, false);
        mosquitto_destroy(client_);
    }
    BrokerWatch(const BrokerWatch&) = delete;
    BrokerWatch& operator=(const BrokerWatch&) = delete;

    // The first message so far or to come within 10 s (only a failure waits that long) that
    // fits; none when none came.
    std::optional<Arrived> waitFor(const std::function<bool(const Arrived&)>& fits) {
        std::unique_lock<std::mutex> lock(mutex_);
        std::optional<Arrived> found;
        arrived_.wait_for(lock, std::chrono::seconds(10), [&] {
            for (const Arrived& a : messages_) {
                if (!fits(a)) continue;
                found = a;
                return true;
            }
            return false;
        });
        return found;
    }
    // The first message on `topic` that says `payload`.
    std::optional<Arrived> waitFor(const std::string& topic, const std::string& payload) {
        return waitFor([&](const Arrived& a) { return a.topic == topic && a.payload == payload; });
    }

    std::vector<Arrived> messages() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return messages_;
    }

  private:
    std::string filter_;
    mosquitto* client_ = nullptr;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Arrived> messages_;
};

}  // namespace mivo::test
