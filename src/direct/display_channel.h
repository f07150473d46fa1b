#pragma once
// The direct channel and the screen as the session's commands see them: the screen that enables
// nothing needing the line while it is off, and the channel read line by line for procedures
// shared with the editors, with each command shown once it is on the line and each line shown as
// it comes.
#include <string>

#include "direct/direct_view.h"
#include "link/engine_channel.h"

namespace mivo {

struct DirectState;

// The screen as the session's commands see it. Every set but the position fields needs the line:
// switched on while the line is off, it stays off.
class LineView : public DirectView {
  public:
    LineView(DirectView& v, const EngineChannel& channel) : v_(v), channel_(channel) {}
    void append(const std::string& line) override { v_.append(line); }
    void enable(EnableSet set, bool on) override {
        if (on && set != EnableSet::PositionFields && !channel_.online()) return;
        v_.enable(set, on);
    }
    std::string field(DirectField f) const override { return v_.field(f); }
    void setField(DirectField f, const std::string& text) override { v_.setField(f, text); }
    void showLine(bool online) override { v_.showLine(online); }
    void showMonitoring(bool on) override { v_.showMonitoring(on); }
    bool screenVisible() const override { return v_.screenVisible(); }
    int jogMode() const override { return v_.jogMode(); }
    bool ioState(IoBank bank, int n) const override { return v_.ioState(bank, n); }
    void showIo(IoBank bank, int n, bool on) override { v_.showIo(bank, n, on); }
    void showIoNotCurrent(IoBank bank, int n) override { v_.showIoNotCurrent(bank, n); }
    void showFieldNotCurrent(DirectField f) override { v_.showFieldNotCurrent(f); }
    void showIoUnknown() override { v_.showIoUnknown(); }
    bool offerToSaveSteps() override { return v_.offerToSaveSteps(); }
    void resetStepEditor() override { v_.resetStepEditor(); }
    void showStopState(StopState state) override { v_.showStopState(state); }

  private:
    DirectView& v_;
    const EngineChannel& channel_;
};

// The direct channel as the display sees it: each command once on the line, each line as it
// comes. A line from the controller also ends a stop left unconfirmed.
class DisplayChannel : public Channel {
  public:
    DisplayChannel(EngineChannel& channel, DirectView& view, DirectState& state)
        : channel_(channel), view_(view), state_(state) {}

    std::string request(const std::string& command) override;
    std::string next() override;
    void drain() override { channel_.drain(); }

    // What a command's exchange shows: its command once written (then `written`), its lines.
    EngineChannel::Hooks hooks(const std::string& command, bool shown,
                               std::function<void()> written = {});
    // The controller answered: no stop left unconfirmed shows any longer.
    void answered();

  private:
    EngineChannel& channel_;
    DirectView& view_;
    DirectState& state_;
};

}  // namespace mivo
