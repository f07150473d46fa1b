#pragma once
// What a piece of plant/ said through its callback (on its own thread), and a wait for a
// condition that only a failure makes long.
#include <algorithm>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace mivo::test {

// Waits until `done` (at most `limit`); whether it came.
template <typename Done>
bool Eventually(Done done, std::chrono::seconds limit = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

class SaidTexts {
  public:
    std::function<void(const std::string&)> said() {
        return [this](const std::string& text) {
            const std::lock_guard<std::mutex> lock(mutex_);
            texts_.push_back(text);
        };
    }
    std::vector<std::string> all() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }
    // How many said `part`.
    int count(const std::string& part) {
        const std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<int>(std::count_if(texts_.begin(), texts_.end(), [&](auto& t) {
            return t.find(part) != std::string::npos;
        }));
    }

  private:
    std::mutex mutex_;
    std::vector<std::string> texts_;
};

}  // namespace mivo::test
