#pragma once
// The direct channel, the screen and the transfer view as the session's commands see them (for
// the session and its command cycle only): the screen that enables nothing needing the line while
// it is off, the exchange under way, and the direct channel as the display sees it, with the
// waits under way that a stop made inside one of them must know of.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "direct/direct_view.h"
#include "link/direct_channel.h"
#include "procedures/transfer_view.h"

namespace mivo {

struct DirectState;

// The screen as the session's commands see it. Every set but the position fields needs the line:
// switched on while the line is off, it stays off, whichever command ends after the line went
// (under its question, inside its wait) or the monitor starts again.
class LineView : public DirectView {
  public:
    LineView(DirectView& v, const DirectChannel& channel) : v_(v), channel_(channel) {}
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
    const DirectChannel& channel_;
};

// The transfer view as the session's exchanges see it: it also keeps whether the exchange under
// way is a data exchange, whose reply comes at once, or a motion, answered when it ends.
class Exchanges : public TransferView {
  public:
    explicit Exchanges(TransferView& t) : t_(t) {}
    void setCancelTexts(const std::string& label, const std::string& button) override {
        t_.setCancelTexts(label, button);
    }
    void showCancel() override { t_.showCancel(); }
    void hideCancel() override { t_.hideCancel(); }
    void setDataExchange(bool on) override {
        dataExchange = on;
        t_.setDataExchange(on);
    }
    void showProgress(int maximum) override { t_.showProgress(maximum); }
    void setProgress(int position) override { t_.setProgress(position); }
    void hideProgress() override { t_.hideProgress(); }
    bool cancelRequested() const override { return t_.cancelRequested(); }
    void setCancelRequested(bool on) override { t_.setCancelRequested(on); }

    bool dataExchange = false;

  private:
    TransferView& t_;
};

// The direct channel as the display sees it: each command once it is on the line and each reply
// line received are appended; a wait ended by the motor-stop request gives "" (the bytes it had
// are no reply to judge). Each reply's class goes into the session's state.
class DisplayChannel : public Channel {
  public:
    // `cycles`: the session's count of command cycles under way, which each wait records.
    DisplayChannel(DirectChannel& channel, DirectView& view, const Exchanges& exchanges,
                   DirectState& state, const int& cycles)
        : channel_(channel), view_(view), exchanges_(exchanges), state_(state), cycles_(cycles) {}

    // A wait under way, and what a stop made inside it finds first.
    struct Pending {
        bool owesLine;  // a data exchange's reply or a value's trailing line is still to come
        bool shown;
        int cycle;
    };

    std::string request(const std::string& command) override;
    std::string next() override;
    void drain() override { channel_.drain(); }
    // A value's trailing line: shown as "OK" when it is one (whatever follows the two letters),
    // as it came otherwise; returned as it came.
    std::string trailing();

    // `command` on the line (shown once written when `showCommand`, and `written` called then),
    // and its reply.
    // `quiet`: a stop's exchange, whose silence is no failure of the line (requestIfAny).
    std::string send(const std::string& command, bool showCommand, bool showReply, bool owesLine,
                     const std::function<void()>& written = {}, bool quiet = false);
    std::string wait(bool shown, bool owesLine, bool quiet = false);

    // The innermost wait under way, if any.
    std::optional<Pending> innermost() const;

    bool takeShown();

    WaitEnd end = WaitEnd::Line;  // what ended the last wait
    bool empty = false;           // the last wait gave no line
    // The next exchange is not shown (the monitor's); exchanges made inside its wait are.
    bool quiet = false;

  private:
    class Waiting;

    std::string received(std::string reply, bool shown);
    // The controller answers again: no stop left unconfirmed shows any longer.
    void answered();

    DirectChannel& channel_;
    DirectView& view_;
    const Exchanges& exchanges_;
    DirectState& state_;
    const int& cycles_;
    std::vector<Pending> pending_;  // the waits under way, innermost last
};

}  // namespace mivo
