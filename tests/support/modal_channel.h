#pragma once
// A channel whose every call runs to its end before it returns, on a fiber of its own as the
// programs run their procedures: for tests that speak to the main channel a line at a time.
#include <string>

#include "link/channel.h"
#include "modal/modal_run.h"

namespace mivo::test {

class ModalChannel : public Channel {
  public:
    explicit ModalChannel(Channel& inner) : inner_(inner) {}
    std::string request(const std::string& command) override {
        std::string line;
        RunModal([&] { line = inner_.request(command); });
        return line;
    }
    std::string next() override {
        std::string line;
        RunModal([&] { line = inner_.next(); });
        return line;
    }
    void drain() override { inner_.drain(); }

  private:
    Channel& inner_;
};

}  // namespace mivo::test
